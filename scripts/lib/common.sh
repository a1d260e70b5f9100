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

# Whether this machine's kernel runs 32-bit x86 programs (some virtual
# machines run 64-bit user code only). Runs the smallest such program: an ELF
# header, one loadable segment and `xor ebx, ebx; mov eax, 1; int 0x80`, the
# exit system call with status 0.
kernel_runs_32_bit() {
    local probe
    probe=$(mktemp)
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$probe"
    printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' >>"$probe"
    printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x28\x00' >>"$probe"
    printf '\x00\x00\x00\x00' >>"$probe"
    printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' >>"$probe"
    printf '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' >>"$probe"
    printf '\x31\xdb\xb8\x01\x00\x00\x00\xcd\x80' >>"$probe"
    chmod +x "$probe"
    local status=0
    "$probe" 2>/dev/null || status=1
    rm -f "$probe"
    return $status
}

package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

# Succeeds when 32-bit Windows programs can run here; otherwise prints why
# not, as the end of a sentence, and fails.
wine32_runs() {
    if ! kernel_runs_32_bit; then
        echo "this machine's kernel does not run 32-bit programs"
        return 1
    fi
    if ! package_installed wine32:i386; then
        echo "32-bit Wine (wine32:i386) is not installed"
        return 1
    fi
}

# Chooses the Windows build the viewer runs from, by its width (64 or 32),
# and a Wine prefix of that width named NAME inside it: sets `preset`, `bin`
# and WINEPREFIX. The 32-bit build needs 32-bit Wine: without it, says why
# and exits.
use_windows_build() {
    local bits=$1 name=$2
    preset="win$bits"
    bin="$repo/build/$preset/bin"
    export WINEPREFIX="$repo/build/$preset/$name"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree=;mshtml="
    if [ "$bits" = 32 ]; then
        local why
        if ! why=$(wine32_runs); then
            echo "The 32-bit build cannot run: $why." >&2
            exit 1
        fi
        export WINEARCH=win32
    fi
}
