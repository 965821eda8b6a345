#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize and runs the whole test suite there; the random-play
# test plays QVL_RANDOM_PLAY_GAMES games (default 60) instead of a few.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/sanitize-env.sh
cmake --build build-sanitize
export QVL_RANDOM_PLAY_GAMES=${QVL_RANDOM_PLAY_GAMES:-60}
cd build-sanitize && ctest --output-on-failure -j2
