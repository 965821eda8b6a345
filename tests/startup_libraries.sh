#!/usr/bin/env bash
# The programs start without the libraries they load later on their own:
# SDL2_mixer (loaded when the sound device opens) and FFmpeg (while a
# movie or an MP3 plays). Linking one of them again would bring its thirty to a
# hundred libraries back into every start.
#
#   tests/startup_libraries.sh PROGRAM...
set -euo pipefail
status=0
for program in "$@"; do
  needed=$(readelf -d "$program" | awk '/NEEDED/ {print $5}')
  for late in SDL2_mixer libavformat libavcodec libswscale libswresample libavutil; do
    if grep -q "$late" <<<"$needed"; then
      echo "FAIL $(basename "$program") needs $late at start" >&2
      status=1
    fi
  done
done
exit $status
