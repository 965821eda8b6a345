#!/usr/bin/env bash
# The screen painted again only where it changed must look exactly like the
# screen painted whole. Plays a script twice, once each way, with a
# screenshot after every `ready` and every two seconds of its waits, and compares the pictures byte for byte.
set -uo pipefail
qvl="$1" game="$2" script="$3"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The script with its screenshots: waits cut into two seconds.
awk '
  /^[ \t]*(#|$)/ { next }
  $1 == "shot" { next }
  $1 == "wait" {
    left = $2
    while (left > 0) {
      step = left < 2000 ? left : 2000
      print "wait " step
      print "shot " ++n ".png"
      left -= step
    }
    next
  }
  { print }
  $1 == "ready" { print "shot " ++n ".png" }
' "$script" >"$work/script.qvs"

for way in partial whole; do
  mkdir -p "$work/$way/shots"
  cp -R "$game" "$work/$way/game"
  flags=""
  [ "$way" = whole ] && flags="--full-repaint"
  # shellcheck disable=SC2086
  "$qvl" run "$work/$way/game" "$work/script.qvs" --shots "$work/$way/shots" $flags \
    | sed "s|$work/$way/game|GAMEDIR|g" >"$work/$way/out.txt" 2>&1
  echo "exit ${PIPESTATUS[0]}" >>"$work/$way/out.txt"
done

status=0
if ! diff -u "$work/whole/out.txt" "$work/partial/out.txt"; then
  echo "the two plays went differently"
  status=1
fi
# The play ends with the game's own end, before the last few commands.
taken=$(find "$work/partial/shots" -name '*.png' | wc -l)
whole=$(find "$work/whole/shots" -name '*.png' | wc -l)
if [ "$taken" -ne "$whole" ] || [ "$taken" -lt 40 ]; then
  echo "$taken screenshots taken with partial repaints, $whole with whole ones"
  status=1
fi
differ=0
for shot in "$work/whole/shots"/*.png; do
  name=$(basename "$shot")
  if ! cmp -s "$shot" "$work/partial/shots/$name"; then
    echo "screenshot $name differs between partial and whole repaints"
    differ=$((differ + 1))
  fi
done
[ "$differ" -eq 0 ] || status=1
echo "$taken screenshots compared, $differ differ"
exit $status
