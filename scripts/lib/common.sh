# Shared by the run and test scripts: building a preset and a private X
# display. Source it; it expects `set -euo pipefail`.

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$repo"

build_preset() {
    local preset=$1
    if ! cmake --preset "$preset" >"$repo/build/configure-$preset.log" 2>&1; then
        tail -n 30 "$repo/build/configure-$preset.log" >&2
        echo "Configuring the $preset build failed (log: build/configure-$preset.log)." >&2
        exit 1
    fi
    if ! cmake --build --preset "$preset" >"$repo/build/build-$preset.log" 2>&1; then
        grep -E -A5 'error|FAILED' "$repo/build/build-$preset.log" | head -n 60 >&2
        echo "Building the $preset build failed (log: build/build-$preset.log)." >&2
        exit 1
    fi
}

# Starts Xvfb on a free display, exports DISPLAY and stops it on exit.
start_xvfb() {
    local display=90
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
        display=$((display + 1))
    done
    Xvfb ":$display" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        sleep 0.1
    done
    if [ ! -e "/tmp/.X11-unix/X$display" ]; then
        echo "Xvfb did not start on display :$display." >&2
        exit 1
    fi
    export DISPLAY=":$display"
}
