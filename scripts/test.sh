#!/usr/bin/env bash
# Sets up the machine, builds all three builds and runs every test: the
# native tests natively, the Windows tests of both widths under Wine on a
# private display (the 32-bit ones where this machine runs 32-bit Wine).
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

"$repo/scripts/setup.sh"
mkdir -p "$repo/build"
for preset in native win64 win32; do
    echo "== build $preset"
    build_preset "$preset"
done

status=0
echo "== test native"
ctest --preset native -j2 || status=1

echo "== test win64 (Wine)"
start_xvfb
ctest --preset win64 || status=1

if why=$(wine32_runs); then
    echo "== test win32 (32-bit Wine)"
    ctest --preset win32 || status=1
else
    echo "== win32: compiled only, not run: $why."
fi

if [ $status -ne 0 ]; then
    echo "Some tests failed." >&2
    exit 1
fi
echo "All tests passed."
