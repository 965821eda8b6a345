#!/usr/bin/env bash
# Plays the demo game "The Dark Lighthouse" as a shipped game is played:
# the player, renamed "demo", sits beside the game's resource folder.
# Without a display it plays the game's walkthrough headless instead and
# prints what happened.
set -euo pipefail
build_dir="${1:-build}"
repo="$(cd "$(dirname "$0")/.." && pwd)"
game="$build_dir/games/demo"
walkthrough="$repo/tests/scripts/demo/walkthrough.qvs"

if [ ! -f "$game/resource/Quorvel1.dat" ]; then
  echo "play: the demo game is not built in $game (run 'make build')" >&2
  exit 1
fi

play_headless() {
  local shots="$build_dir/demo-shots"
  mkdir -p "$shots"
  echo "play: $1; playing the demo's walkthrough headless instead"
  echo "play: (its screenshots go to $shots)"
  exec "$build_dir/qvl" run "$game" "$walkthrough" --trace --shots "$shots"
}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  play_headless "no display found (DISPLAY and WAYLAND_DISPLAY are not set)"
fi

# A copy, not a link: the player finds its game folder from its own file.
if [ ! -f "$game/demo" ] || [ "$build_dir/QuorvelPlayer" -nt "$game/demo" ]; then
  cp "$build_dir/QuorvelPlayer" "$game/demo"
fi

# Only the display that was found: a window nobody can see is no use.
if [ -z "${SDL_VIDEODRIVER:-}" ]; then
  if [ -n "${WAYLAND_DISPLAY:-}" ]; then export SDL_VIDEODRIVER=wayland,x11; else export SDL_VIDEODRIVER=x11; fi
fi

started=$(date +%s)
status=0
"$game/demo" || status=$?
if [ "$status" -ne 0 ] && [ $(( $(date +%s) - started )) -lt 5 ]; then
  play_headless "the game window could not open (exit status $status)"
fi
exit "$status"
