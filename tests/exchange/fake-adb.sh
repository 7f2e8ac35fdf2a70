#!/bin/sh
# Stands in for adb: the folder $FAKE_ADB_DEVICE is the device's storage.
# "pull /sdcard/Verbalon/F TARGET" and "push SOURCE /sdcard/Verbalon/" copy
# whole files; failures go to standard error with exit code 1, as adb does.
set -u
device="${FAKE_ADB_DEVICE:-}"
if [ -z "$device" ] || [ ! -d "$device" ]; then
    echo "adb: no devices/emulators found" >&2
    exit 1
fi
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
