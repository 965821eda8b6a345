#!/usr/bin/env bash
# The player's window options in a real window under Xvfb and openbox:
# --window-scale 2 --pixel-perfect opens a 1600 × 1200 window in which
# every 2 × 2 block of pixels is one colour; a scale too large for the
# desktop opens at the largest that fits and says so. Skipped (exit 77)
# where no X server can be started.
set -uo pipefail
player="$1"
title="The Dark Lighthouse"

X_SCREEN=1920x1400x24
# shellcheck source=tests/desktop/x_session.sh
. "$(dirname "$0")/x_session.sh"

# play NAME OPTIONS...: starts the player, waits for its window and a
# moment of its opening, screenshots the window, stops the player, and
# prints the window's size.
play() {
  local name="$1"
  shift
  "$player" "$@" >"$work/$name.log" 2>&1 &
  local pid=$!
  local window
  window=$(find_window "$title")
  if [ -z "$window" ]; then
    kill "$pid" 2>/dev/null
    echo "FAIL: no window titled \"$title\" appeared with $*" >&2
    cat "$work/$name.log" >&2
    exit 1
  fi
  sleep 2
  import -window "$window" "$work/$name.png" 2>/dev/null
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  identify -format '%wx%h' "$work/$name.png"
}

status=0
size=$(play sharp --window-scale 2 --pixel-perfect)
if [ "$size" != "1600x1200" ]; then
  echo "FAIL: --window-scale 2 gave a $size window, not 1600x1200"
  status=1
fi
# Halving by taking every other pixel and doubling again gives the same
# picture only when the pixels come in whole 2 × 2 blocks.
convert "$work/sharp.png" -sample 50% -sample 200% "$work/blocks.png"
differing=$(compare -metric AE "$work/sharp.png" "$work/blocks.png" null: 2>&1)
if [ "$differing" != "0" ]; then
  echo "FAIL: --pixel-perfect at scale 2: $differing pixels are not in whole 2 x 2 blocks"
  status=1
fi

size=$(play large --window-scale 8)
if [ "$size" != "1600x1200" ]; then
  echo "FAIL: --window-scale 8 on a 1920 x 1400 desktop gave a $size window, not the 1600x1200 that fits"
  status=1
fi
if ! grep -q "^QuorvelPlayer: --window-scale 8 does not fit the 1920 x 1400 desktop; the window opens at scale 2$" \
    "$work/large.log"; then
  echo "FAIL: no note that scale 8 does not fit:"
  cat "$work/large.log"
  status=1
fi
[ $status -eq 0 ] && echo "Scale 2 is pixel-perfect; a scale too large opens at the one that fits."
exit $status
