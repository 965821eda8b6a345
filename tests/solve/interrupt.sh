#!/usr/bin/env bash
# Ctrl-C ends a long search with the report of what it covered (exit 3,
# "incomplete (the search was interrupted)") and leaves no player behind.
# The demo's search is far from done after two seconds.
set -uo pipefail
qvl="$1" demo="$2"

work=$(mktemp -d)
trap 'pkill -KILL -f "$work/" 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$demo" "$work/demo"
"$qvl" solve "$work/demo" --jobs 2 >"$work/report" 2>&1 &
search=$!
sleep 2
kill -INT "$search"
for _ in $(seq 300); do kill -0 "$search" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$search" 2>/dev/null; then
  echo "the search did not end within 30 s of Ctrl-C"
  exit 1
fi
wait "$search"
status=$?
cat "$work/report"
fail=0
[ "$status" -eq 3 ] || { echo "exit status $status, expected 3"; fail=1; }
grep -q '^explored: .* incomplete (the search was interrupted)' "$work/report" || {
  echo "the report does not say the search was interrupted"
  fail=1
}
# The players end as soon as the search lets them go.
for _ in $(seq 50); do pgrep -f "$work/demo" >/dev/null || break; sleep 0.1; done
if pgrep -f "$work/demo" >/dev/null; then
  echo "players were left running:"
  pgrep -af "$work/demo"
  fail=1
fi
exit $fail
