#!/bin/sh
# Runs the Windows tests that save onto a full disk and into a read-only
# folder: two small RAM disks are mounted for them (which needs root) and
# reached from Wine through its drive Z:. Without the right to mount, the
# tests are skipped (exit 77).
# usage: ram-disks.sh EMULATOR TEST-PROGRAM
set -u
full=$(mktemp -d /tmp/plexa-full-disk.XXXXXX)
readonly=$(mktemp -d /tmp/plexa-read-only.XXXXXX)
if ! mount -t tmpfs -o size=256k tmpfs "$full" 2>/dev/null; then
    rmdir "$full" "$readonly"
    echo "cannot mount a RAM disk here (needs root): the full-disk and read-only tests are skipped"
    exit 77
fi
mount -t tmpfs -o size=64k tmpfs "$readonly"
trap 'umount "$full" "$readonly"; rmdir "$full" "$readonly"' EXIT
printf 'GIMP Palette\n#\n9 9 9\tOld\n' > "$readonly/kept.gpl"
mount -o remount,ro "$readonly"
PLEXA_FULL_DISK="$full" PLEXA_READ_ONLY_FOLDER="$readonly" "$1" "$2" --gtest_filter='*FullDisk*:*ReadOnlyFolder*'
