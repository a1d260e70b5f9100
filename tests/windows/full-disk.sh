#!/bin/sh
# Runs the Windows tests that save onto a full disk: a small RAM disk is
# mounted for them (which needs root) and reached from Wine through its
# drive Z:. Without the right to mount, the tests are skipped (exit 77).
# usage: full-disk.sh EMULATOR TEST-PROGRAM
set -u
disk=$(mktemp -d /tmp/plexa-full-disk.XXXXXX)
if ! mount -t tmpfs -o size=256k tmpfs "$disk" 2>/dev/null; then
    rmdir "$disk"
    echo "cannot mount a RAM disk here (needs root): the full-disk tests are skipped"
    exit 77
fi
trap 'umount "$disk"; rmdir "$disk"' EXIT
PLEXA_FULL_DISK="$disk" "$1" "$2" --gtest_filter='*FullDisk*'
