#!/bin/sh
# Stands in for adb: the folder $FAKE_ADB_DEVICE is the device's storage.
# "pull /sdcard/Verbalon/F TARGET" and "push SOURCE /sdcard/Verbalon/" copy
# whole files; failures go to standard error with exit code 1, as adb does.
# $FAKE_ADB_MODE misbehaves: "hang" never ends, "noisy" says 2 MB on
# standard error and fails, "huge" pulls 70 MiB, "garbage" pulls random
# bytes, "link" pulls a link to /dev/zero, "fifo" a FIFO, "endless" leaves
# a child copying /dev/zero. $FAKE_ADB_LOG, when set, gets "PID TARGET" of
# every pull (and the child's PID).
set -u
device="${FAKE_ADB_DEVICE:-}"
if [ -z "$device" ] || [ ! -d "$device" ]; then
    echo "adb: no devices/emulators found" >&2
    exit 1
fi
[ "${1:-}" = pull ] && [ -n "${FAKE_ADB_LOG:-}" ] && echo "$$ $3" >> "$FAKE_ADB_LOG"
case "${FAKE_ADB_MODE:-}" in
hang) exec sleep 600 ;;
noisy) head -c 2000000 /dev/zero | tr '\0' 'e' >&2; exit 1 ;;
huge) [ "${1:-}" = pull ] && { head -c 73400320 /dev/zero > "$3"; exit 0; } ;;
garbage) [ "${1:-}" = pull ] && { head -c 3000 /dev/urandom > "$3"; exit 0; } ;;
link) [ "${1:-}" = pull ] && { ln -s /dev/zero "$3"; exit 0; } ;;
fifo) [ "${1:-}" = pull ] && { mkfifo "$3"; exit 0; } ;;
endless) [ "${1:-}" = pull ] && { cat /dev/zero > "$3" & echo "$!" >> "${FAKE_ADB_LOG:-/dev/null}"; wait; exit 0; } ;;
esac
case "${1:-}" in
pull)
    source="$device/${2#/sdcard/Verbalon/}"
    [ -f "$source" ] || { echo "adb: error: failed to stat remote object '$2': No such file or directory" >&2; exit 1; }
    cp "$source" "$3" ;;
push)
    cp "$2" "$device/" ;;
*)
    echo "adb: unknown command ${1:-}" >&2
    exit 1 ;;
esac
