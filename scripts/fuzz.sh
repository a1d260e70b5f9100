#!/usr/bin/env bash
# Fuzzes one target for a number of minutes with libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer, on inputs of up to 1 MB (large enough to
# show work that grows faster than the input: any input taking over 10 s is
# a finding):
#   scripts/fuzz.sh TARGET MINUTES
# TARGET: FuzzGimpReader, FuzzAcoReader, FuzzAseReader, FuzzJascReader, FuzzRiffReader,
# FuzzPaintNetReader, FuzzHexListReader, FuzzHtmlReader or FuzzXmlParser.
# The growing corpus stays in build/fuzz/corpus/TARGET; crashes are written
# to build/fuzz/crashes/. Replay a crash with: build/fuzz/fuzz/TARGET FILE
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

target=${1:?usage: scripts/fuzz.sh TARGET MINUTES}
minutes=${2:?usage: scripts/fuzz.sh TARGET MINUTES}
if ! [[ "$minutes" =~ ^[1-9][0-9]*$ ]]; then
    echo "MINUTES must be a whole number of at least 1." >&2
    exit 2
fi
case "$target" in
    FuzzGimpReader) seeds=gimp ;;
    FuzzAcoReader) seeds=aco ;;
    FuzzAseReader) seeds=ase ;;
    FuzzJascReader) seeds=jasc ;;
    FuzzRiffReader) seeds=riff ;;
    FuzzPaintNetReader) seeds=paintnet ;;
    FuzzHexListReader) seeds=hexlist ;;
    FuzzHtmlReader) seeds=html ;;
    FuzzXmlParser) seeds=xml ;;
    *) echo "unknown fuzz target: $target" >&2; exit 2 ;;
esac

"$repo/scripts/setup.sh"
build="$repo/build/fuzz"
mkdir -p "$build"
if ! cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DPLEXA_FUZZ=ON >"$build/configure.log" 2>&1; then
    tail -n 30 "$build/configure.log" >&2
    echo "Configuring the fuzz build failed (log: build/fuzz/configure.log)." >&2
    exit 1
fi
if ! cmake --build "$build" --target "$target" >"$build/build.log" 2>&1; then
    grep -E -A5 'error|FAILED' "$build/build.log" | head -n 60 >&2
    echo "Building $target failed (log: build/fuzz/build.log)." >&2
    exit 1
fi

corpus="$build/corpus/$target"
mkdir -p "$corpus" "$build/crashes"
"$build/fuzz/$target" "$corpus" "$repo/fuzz/seeds/$seeds" "$repo/tests/data/palettes" \
    -max_total_time=$((minutes * 60)) -max_len=1048576 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$target-"
