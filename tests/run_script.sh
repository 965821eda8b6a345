#!/usr/bin/env bash
# Runs one play script with `qvl run` and compares its output with the
# expected transcript. A line "# exit: N" in the script sets the expected
# exit status (0 when absent); "# args: ..." adds options to `qvl run`;
# "# game: copy" plays a fresh copy of the game folder, so that files the
# game writes (saved games) start from nothing and never reach other runs;
# the files of a folder NAME.saved beside the script are then put in the
# copy's saved-games folder. "# file-size-limit: KB" runs the player with
# files limited to that size (its output still reaches the transcript).
# The game folder's path in the output (message boxes naming a missing
# file) is written as GAMEDIR, so transcripts do not depend on the build.
set -uo pipefail
qvl="$1" game="$2" script="$3" expected="$4"

want_exit=$(sed -n 's/^# exit: *\([0-9]*\).*/\1/p' "$script" | head -n 1)
want_exit=${want_exit:-0}
args=$(sed -n 's/^# args: *//p' "$script" | head -n 1)
limit=$(sed -n 's/^# file-size-limit: *\([0-9]*\).*/\1/p' "$script" | head -n 1)

out=$(mktemp)
shots=$(mktemp -d)
copy=""
trap 'rm -f "$out"; rm -rf "$shots"; [ -n "$copy" ] && rm -rf "$copy"' EXIT
if grep -q '^# game: *copy' "$script"; then
  copy=$(mktemp -d)
  cp -R "$game/." "$copy/"
  rm -rf "$copy/Saved"
  if [ -d "${script%.qvs}.saved" ]; then
    mkdir -p "$copy/Saved"
    cp "${script%.qvs}.saved/"* "$copy/Saved/"
  fi
  game="$copy"
fi
# Screenshots a script takes go to a folder thrown away afterwards.
case " $args " in *" --shots "*) ;; *) args="$args --shots $shots" ;; esac
if [ -n "$limit" ]; then
  # Only the player is limited; its output goes through a pipe.
  # shellcheck disable=SC2086
  (ulimit -f "$limit" && exec "$qvl" run "$game" "$script" $args) 2>&1 | cat >"$out.raw"
  got_exit=${PIPESTATUS[0]}
else
  # shellcheck disable=SC2086
  "$qvl" run "$game" "$script" $args >"$out.raw" 2>&1
  got_exit=$?
fi
sed "s|$(cd "$game" && pwd)|GAMEDIR|g" "$out.raw" >"$out"
rm -f "$out.raw"

status=0
if [ "$got_exit" -ne "$want_exit" ]; then
  echo "exit status $got_exit, expected $want_exit"
  status=1
fi
if [ ! -f "$expected" ]; then
  echo "no expected transcript $expected; the run printed:"
  cat "$out"
  exit 1
fi
if ! diff -u "$expected" "$out"; then
  status=1
fi
exit $status
