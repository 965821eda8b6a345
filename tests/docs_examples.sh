#!/usr/bin/env bash
# Every game text in the docs is built, linted and played; every piece of a
# game text is built and linted inside a small game.
#   ```toml game      a whole game: `qvl lint --strict` finds no error or
#                     warning (notes may stay), `qvl
#                     build` writes it, and a new game starts at scene 1
#                     with no message box
#   ```toml objects   objects, items or conversations added to the small
#                     game docs/examples/base.toml: it builds and lint finds
#                     no error
# The pictures and sounds the examples name are in docs/examples/resource.
set -uo pipefail
qvl="$1" docs="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
n=0
for md in "$docs"/*.md; do
  # Each block becomes work/N.KIND.toml, with N counting the blocks.
  awk -v dir="$work" -v start="$n" -v doc="$(basename "$md")" '
    /^```toml (game|objects)$/ { kind = $2; count++; file = sprintf("%s/%03d.%s.toml", dir, start + count, kind);
                                 print "# " doc > file; next }
    /^```/ && kind != "" { close(file); kind = ""; next }
    kind != "" { print > file }
    END { }' "$md"
  n=$(ls "$work" | wc -l)
done

play_script="$work/play.qvs"
printf 'wait 5000\nready\nclick MainMenu.Buttn(2)\nready\nexpect scene 1\n' > "$play_script"

for block in "$work"/*.toml; do
  name=$(basename "$block" .toml)
  from=$(head -n 1 "$block" | sed 's/^# //')
  game="$work/$name"
  mkdir -p "$game"
  cp -R "$docs/examples/resource" "$game/resource"
  case "$name" in
    *.game)
      cp "$block" "$game/game.toml"
      lint=$("$qvl" lint --strict "$game/game.toml" 2>&1)
      if [ $? -ne 0 ] || echo "$lint" | grep -q ': \(error\|warning\) Q'; then
        echo "$from: example $name does not lint clean:"; echo "$lint"; failures=$((failures + 1)); continue
      fi
      if ! "$qvl" build "$game/game.toml" "$game/out" >"$game/build.txt" 2>&1; then
        echo "$from: example $name does not build:"; cat "$game/build.txt"; failures=$((failures + 1)); continue
      fi
      played=$("$qvl" run "$game/out" "$play_script" 2>&1)
      if [ $? -ne 0 ] || echo "$played" | grep -q '^MSGBOX'; then
        echo "$from: example $name does not play:"; echo "$played"; failures=$((failures + 1))
      fi
      ;;
    *.objects)
      cat "$docs/examples/base.toml" "$block" > "$game/game.toml"
      lint=$("$qvl" lint "$game/game.toml" 2>&1)
      if [ $? -ne 0 ]; then
        echo "$from: example $name has lint errors:"; echo "$lint"; failures=$((failures + 1)); continue
      fi
      if ! "$qvl" build "$game/game.toml" "$game/out" >"$game/build.txt" 2>&1; then
        echo "$from: example $name does not build:"; cat "$game/build.txt"; failures=$((failures + 1))
      fi
      ;;
  esac
done
count=$(ls "$work"/*.toml 2>/dev/null | wc -l)
if [ "$count" -eq 0 ]; then
  echo "no examples found in $docs"
  exit 1
fi
echo "$count examples checked, $failures failed"
[ $failures -eq 0 ]
