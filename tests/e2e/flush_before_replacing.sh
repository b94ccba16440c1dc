# An output that replaces a file is on the disk before it takes the file's
# place: the new file is flushed before the rename, and its folder after it,
# so that a power cut cannot leave an empty or garbage volume. A new output
# that replaces nothing is not flushed. (Seen through strace, where it runs.)
source "$(dirname "$0")/common.sh"

if [ -n "${VELKORD_RUNNER:-}" ] || ! strace -f -o /dev/null true 2> /dev/null; then
    echo "SKIP: strace cannot run here" >&2
    exit 0
fi

printf '10 DISP "HI"\r\n20 END\n' > hello.txt

# traced ARGS...: runs the tool under strace; the calls that matter, one a
# line, in "trace". (A sanitized build's leak check cannot run under
# strace.)
traced() {
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 strace -f -o trace.all -e trace=openat,open,fsync,fdatasync,rename,renameat,renameat2 \
        "$VELKORD" "$@" > printed || fail "velkord $*: exit $?"
    grep -E 'fsync|fdatasync|rename|velkord-|O_DIRECTORY' trace.all | sed 's/^[0-9]* *//' > trace
}

# flushed_in_order TARGET: the temporary file is opened, flushed, renamed to
# TARGET, and then its folder is flushed.
flushed_in_order() {
    local temporary descriptor folder
    temporary=$(grep -o '"[^"]*\.velkord-[0-9a-f]*\.tmp"' trace | head -n 1)
    [ -n "$temporary" ] || fail "no temporary file: $(cat trace)"
    descriptor=$(grep -m 1 "open.*$temporary.*= [0-9]" trace | sed 's/.*= //')
    awk -v fd="$descriptor" -v tmp="$temporary" -v target="\"$1\"" '
        step == 0 && /^(fsync|fdatasync)\(/ && $0 ~ "\\(" fd "[,)]" { step = 1; next }
        step == 1 && /^rename/ && index($0, tmp) && index($0, target) { step = 2; next }
        step == 2 && /O_DIRECTORY/ { folder = $NF; step = 3; next }
        step == 3 && /^(fsync|fdatasync)\(/ && $0 ~ "\\(" folder "\\)" { step = 4 }
        END { exit step == 4 ? 0 : 1 }' trace ||
        fail "no flush before and after the rename onto $1: $(cat trace)"
}

expect 0 "" disk.lif /n
traced hello.txt disk.lif/HELLO /t
flushed_in_order disk.lif
traced hello.txt disk.lif/AGAIN /t
flushed_in_order disk.lif

# A single file: made anew without a flush, replaced with one.
traced hello.txt hello.lif /t
! grep -qE '^(fsync|fdatasync)' trace || fail "a new file was flushed: $(cat trace)"
traced hello.txt hello.lif /t
flushed_in_order hello.lif
