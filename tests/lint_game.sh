#!/usr/bin/env bash
# Lints one game with `qvl lint` and checks what it finds.
#   lint_game.sh QVL GAME.toml EXPECTED   the whole output equals EXPECTED
#                                          (a missing EXPECTED means a clean game)
#   lint_game.sh QVL Qnnn-name[.toml]     a broken game (text or folder): every finding has the
#                                          code its file is named after, there
#                                          is at least one, and the exit status
#                                          follows its severity
set -uo pipefail
qvl="$1" game="$2" expected="${3:-}"

out=$(cd "$(dirname "$game")" && "$qvl" lint "$(basename "$game")" 2>&1)
status=$?

if [ -n "$expected" ]; then
  if [ ! -f "$expected" ]; then
    [ "$out" = "no problems found" ] && [ $status -eq 0 ] && exit 0
    echo "expected a clean game (exit 0), got exit $status:"
    echo "$out"
    exit 1
  fi
  diff -u "$expected" <(echo "$out") || exit 1
  exit 0
fi

code=$(basename "$game" | cut -d- -f1)
found=$(echo "$out" | sed -n 's/.*: \(error\|warning\|note\) \(Q[0-9][0-9][0-9]\): .*/\2/p' | sort -u)
if [ "$found" != "$code" ]; then
  echo "expected only $code, found: $(echo $found)"
  echo "$out"
  exit 1
fi
severity=$(echo "$out" | sed -n 's/.*: \(error\|warning\|note\) Q[0-9]*: .*/\1/p' | head -n 1)
case "$severity" in error) want=2 ;; *) want=0 ;; esac
if [ $status -ne $want ]; then
  echo "exit status $status, expected $want for $severity $code"
  exit 1
fi
if [ "$severity" = warning ]; then
  (cd "$(dirname "$game")" && "$qvl" lint --strict "$(basename "$game")" >/dev/null 2>&1)
  strict=$?
  [ $strict -eq 1 ] || { echo "--strict exit status $strict, expected 1"; exit 1; }
fi
exit 0
