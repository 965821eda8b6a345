#!/usr/bin/env bash
# Solves one game with `qvl solve` and compares the report with the
# expected one, then replays the walkthrough it wrote with `qvl run`: the
# walkthrough must play to the game's end (its last line checks that).
# GAME is a game.toml or a built game folder; in the expected report a line
# "# solve-exit: N" sets the expected exit status (0 when absent),
# "# solve-args: ..." adds options, "# solve-game: FILE" solves that
# game.toml beside the report instead, and "# solve-replays: N" checks the
# states played again (below). The time a search took is written as T.
set -uo pipefail
qvl="$1" game="$2" expected="$3"

want_exit=$(sed -n 's/^# solve-exit: *\([0-9]*\).*/\1/p' "$expected" | head -n 1)
want_exit=${want_exit:-0}
args=$(sed -n 's/^# solve-args: *//p' "$expected" | head -n 1)
other=$(sed -n 's/^# solve-game: *//p' "$expected" | head -n 1)
[ -n "$other" ] && game="$(dirname "$expected")/$other"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck disable=SC2086
"$qvl" solve "$game" --jobs 2 --out "$work/walkthrough.qvs" $args >"$work/raw" 2>&1
got_exit=$?
sed -E -e 's/, [0-9]+\.[0-9] s \(/, T s (/' -e "s|written to $work/|written to |" "$work/raw" >"$work/report"
grep -v '^# solve-' "$expected" >"$work/want"

status=0
if [ "$got_exit" -ne "$want_exit" ]; then
  echo "qvl solve: exit status $got_exit, expected $want_exit"
  status=1
fi
if ! diff -u "$work/want" "$work/report"; then
  status=1
fi
# "# solve-replays: N": how many states the search played again from the
# start to hold them by a fresh copy (counted in the --json report).
want_replays=$(sed -n 's/^# solve-replays: *\([0-9]*\).*/\1/p' "$expected" | head -n 1)
if [ -n "$want_replays" ]; then
  # shellcheck disable=SC2086
  got_replays=$("$qvl" solve "$game" --jobs 2 --json $args 2>/dev/null | sed -n 's/.*"replays":\([0-9]*\).*/\1/p')
  if [ "$got_replays" != "$want_replays" ]; then
    echo "replays: $got_replays, expected $want_replays"
    status=1
  fi
fi
if [ -f "$work/walkthrough.qvs" ]; then
  game_dir="$game"
  if [ -f "$game" ]; then
    game_dir="$work/game"
    "$qvl" build "$game" "$game_dir" || exit 1
  fi
  if ! "$qvl" run "$game_dir" "$work/walkthrough.qvs" >"$work/replay" 2>&1; then
    echo "the walkthrough does not replay to the end:"
    cat "$work/replay"
    status=1
  fi
elif grep -q '^winnable: yes' "$work/report"; then
  echo "winnable, but no walkthrough was written"
  status=1
fi
exit $status
