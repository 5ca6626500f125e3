#!/usr/bin/env bash
# Runs a command with a 64 KiB file system mounted on a folder, whose Windows
# path (Z:...\) goes to the command in STATS_SMALL_DISK, so that a test can
# fill it up.  Where mounting is not allowed (no root, a container) the
# command runs without it and skips what needs it.
#   with_small_disk.sh FOLDER COMMAND [ARGS...]
set -u
folder=$1
shift

mkdir -p "$folder"
grep -qs " $(readlink -f "$folder") " /proc/mounts && umount -l "$folder"
if mount -t tmpfs -o size=64k,mode=0777 kolvex-small-disk "$folder" 2>/dev/null; then
    trap 'umount "$folder" 2>/dev/null || umount -l "$folder"' EXIT
    path=$(readlink -f "$folder")
    export STATS_SMALL_DISK="Z:${path//\//\\}\\"
else
    echo "with_small_disk: no file system could be mounted on $folder; the full-disk case is skipped"
fi
"$@"
