#!/usr/bin/env bash
# The real window on a desktop: the demo runs under Xvfb with the openbox
# window manager; once its main menu shows, the window is minimised and
# restored with xdotool, and the screen must look as it did before (the
# start and intro windows stay behind the menu). The window must bear the
# game's title. Skipped (exit 77) where no X server can be started.
set -uo pipefail
player="$1"
title="The Dark Lighthouse"

X_SCREEN=1024x768x24
# shellcheck source=tests/desktop/x_session.sh
. "$(dirname "$0")/x_session.sh"

"$player" >"$work/player.log" 2>&1 &
pids+=($!)
window=$(find_window "$title")
if [ -z "$window" ]; then
  echo "FAIL: no window titled \"$title\" appeared"
  cat "$work/player.log"
  exit 1
fi

# Waits until two screenshots a second apart agree: the menu has settled.
settle() {
  local out="$1"
  import -window root "$out.a.png" 2>/dev/null
  for _ in $(seq 60); do
    sleep 1
    import -window root "$out.b.png" 2>/dev/null
    if [ "$(compare -metric AE "$out.a.png" "$out.b.png" null: 2>&1)" = "0" ]; then
      mv "$out.b.png" "$out"
      return 0
    fi
    mv "$out.b.png" "$out.a.png"
  done
  return 1
}

# The demo's opening logo and intro take 9 s; then the menu stays.
sleep 12
settle "$work/before.png" || { echo "FAIL: the screen never settled"; exit 1; }
xdotool windowminimize --sync "$window"
sleep 1
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowmap --sync "$window"
settle "$work/after.png" || { echo "FAIL: the screen never settled after the restore"; exit 1; }
differing=$(compare -metric AE "$work/before.png" "$work/after.png" "$work/diff.png" 2>&1)
if [ "$differing" != "0" ]; then
  keep="${TMPDIR:-/tmp}/qvl-minimise-restore"
  mkdir -p "$keep"
  cp "$work/before.png" "$work/after.png" "$work/diff.png" "$keep/"
  echo "FAIL: $differing pixels differ after minimise and restore (screenshots in $keep)"
  exit 1
fi
echo "The screen after minimise and restore is the screen before."
exit 0
