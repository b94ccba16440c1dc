# Volumes on Windows, under wine: a drive letter alone as the folder is that
# drive's current folder, and a volume or file that another program holds
# open is said to be in use, never taken for missing or replaced.
source "$(dirname "$0")/common.sh"
[ -n "${VELKORD_RUNNER:-}" ] || exit 0

drive_letter p o n m l k j i h g
holder_input=
cleanup_windows() {
    [ -z "$holder_input" ] || exec 3>&-
    cleanup
}
trap cleanup_windows EXIT

# NAME     TYPE START SECTORS DATE         NIBBLES
lif_volume g0.lif G0 1 "1 1 32" <<'ENTRIES'
SYS1       E214 3     1       000000000000 100
ENTRIES
mkdir cur
exe=$(winepath -w "$VELKORD" 2> /dev/null)
LC_ALL=C.UTF-8 $VELKORD_RUNNER cmd /c "cd /d $drive:\\cur && $exe $drive:\\g0.lif\\SYS1 $drive: /c" > printed
only_files cur SYS1.BASIC
[ ! -e SYS1.BASIC ] || fail "written to the drive's root, not its current folder"

# Held open by another program, sharing nothing.
holder=$(dirname "$VELKORD")/hold_file.exe
[ -f "$holder" ] || fail "no $holder beside velkord.exe"
expect 0 "" vol.lif /n
cp vol.lif vol.lif.orig
printf 'HELLO\n' > hello.txt
mkfifo hold
$VELKORD_RUNNER "$holder" vol.lif < hold > held &
exec 3> hold
holder_input=yes
for _ in $(seq 100); do [ -s held ] && break; sleep 0.1; done
[ -s held ] || fail "the file was not held"
in_use=$'Error: vol.lif is in use by another program\n'
expect 1 "$in_use" vol.lif /i
expect 1 "$in_use" vol.lif/X x.lif /c
expect 1 "$in_use" vol.lif/X /p
expect 1 "$in_use" hello.txt vol.lif /t
expect 1 "$in_use" hello.txt vol.lif/HELLO /t
expect 1 "$in_use" g0.lif/SYS1 vol.lif /x
exec 3>&-
holder_input=
wait
same_bytes vol.lif vol.lif.orig
[ -z "$(ls -A | grep '^\.velkord')" ] || fail "a temporary file was left"
