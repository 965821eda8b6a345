# A desktop of its own for a real-window test, sourced by the tests here:
# Xvfb with a display number the server picks, the openbox window manager,
# a work folder and a home for the player, all gone when the test ends.
# `skip` ends the test as skipped (exit 77) where no X server can start.
# Needs X_SCREEN (e.g. 1024x768x24) set by the test.

skip() { echo "SKIPPED: $*"; exit 77; }
for tool in Xvfb openbox xdotool import compare; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/install-deps.sh installs it)"
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

exec 9>"$work/display"
Xvfb -displayfd 9 -screen 0 "$X_SCREEN" -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || skip "Xvfb could not start: $(tail -n 1 "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

# The player keeps its settings in a home of its own here.
export HOME="$work" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy

# find_window TITLE: waits for the player's window of that title and
# prints its id. The development build first tells where it reads the
# game from; Enter answers that box.
find_window() {
  local window=""
  for _ in $(seq 120); do
    window=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    xdotool key Return 2>/dev/null
    sleep 0.5
  done
  echo "$window"
}
