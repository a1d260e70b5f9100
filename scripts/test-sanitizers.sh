#!/usr/bin/env bash
# Builds the native tests with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs them: an out-of-bounds access, a leak or undefined behaviour fails
# its test instead of passing unseen. Run after scripts/test.sh, which sets
# the machine up.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

mkdir -p "$repo/build"
echo "== build native-sanitize"
build_preset native-sanitize
echo "== test native-sanitize"
if ! ctest --preset native-sanitize -j2; then
    echo "Some tests failed under the sanitizers." >&2
    exit 1
fi
echo "All tests passed under the sanitizers."
