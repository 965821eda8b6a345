#!/usr/bin/env bash
# Opens the bundled demo game in the player's window.
set -euo pipefail
build_dir="${1:-build}"
exec "$build_dir/QuorvelPlayer"
