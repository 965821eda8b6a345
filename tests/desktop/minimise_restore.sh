#!/usr/bin/env bash
# The real window on a desktop: the demo runs under Xvfb with the openbox
# window manager; once its main menu shows, the window is minimised and
# restored with xdotool, and the screen must look as it did before (the
# start and intro windows stay behind the menu). The window must bear the
# game's title. Skipped (exit 77) where no X server can be started.
set -uo pipefail
player="$1"
title="The Dark Lighthouse"

skip() { echo "SKIPPED: $*"; exit 77; }
for tool in Xvfb openbox xdotool import compare; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/install-deps.sh installs it)"
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

# A display number of its own, chosen by the server.
exec 9>"$work/display"
Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || skip "Xvfb could not start: $(tail -n 1 "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

# The player keeps its settings in a home of its own here.
HOME="$work" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy "$player" >"$work/player.log" 2>&1 &
pids+=($!)
# The development build first tells where it reads the game from; Enter
# answers that box. The window takes the game's title once the game's
# settings are read.
window=""
for _ in $(seq 120); do
  window=$(xdotool search --name "^$title\$" 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  xdotool key Return 2>/dev/null
  sleep 0.5
done
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
