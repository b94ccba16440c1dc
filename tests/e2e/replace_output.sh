# Outputs appear only complete: a failure or an interruption leaves the old
# destination as it was and no stray file; links and permission bits stay.
source "$(dirname "$0")/common.sh"

head -c 500000 /dev/urandom > big.bin
awk 'BEGIN { for (i = 0; i < 20000; i++) print "10 DISP \"LINE\" @ GOTO 10" }' > big.txt
expect 0 "" big.bin big.lif
head -c 20000 /dev/urandom > old.lif

# A full disk under an existing destination, for every writer.
if small_disk disk; then
    for args in "big.bin disk/dest" "big.txt disk/dest /t" "big.lif disk/dest /x"; do
        cp old.lif disk/dest
        # shellcheck disable=SC2086
        expect 1 $'write error in disk/dest\n' $args
        same_bytes disk/dest old.lif
        only_files disk dest
    done
fi

# Stopped while it waits on a slow input (a pipe that stalls). Meanwhile the
# new file is there, readable by its owner alone, since it may hold the data
# of a file that only its owner may read.
if [ -z "${VELKORD_RUNNER:-}" ]; then
    mkdir stop
    mkfifo stop/slow
    printf '10 DISP "A LINE LONGER THAN A HEADER"\n' > line.txt
    { lif_header PROG E208 4 2000; printf 'AB'; } > part.lif
    for case in "TERM 143 line.txt /t" "QUIT 131 part.lif /x" "HUP 129 part.lif /x"; do
        set -- $case
        cp old.lif stop/dest
        { cat "$3"; exec sleep 10; } > stop/slow 2> /dev/null &
        feeder=$!
        (cd stop && exec "$VELKORD" slow dest "$4") &
        tool=$!
        sleep 0.5
        [ "$(stat -c %a stop/.velkord-*.tmp)" = 600 ] || fail "$4: the new file is not private"
        kill -"$1" "$tool"
        status=0
        wait "$tool" || status=$?
        kill "$feeder" 2> /dev/null || true
        [ "$status" = "$2" ] || fail "$4 stopped by SIG$1: exit $status"
        same_bytes stop/dest old.lif
        only_files stop dest slow
    done
fi

# A file-size limit (ulimit -f) makes the write fail: said, not a silent end.
if [ -z "${VELKORD_RUNNER:-}" ]; then
    cp old.lif dest
    status=0
    (ulimit -f 100 && exec "$VELKORD" big.bin dest > printed) || status=$?
    [ "$status" = 1 ] && [ "$(cat printed)" = "write error in dest" ] ||
        fail "past a file-size limit: exit $status, printed $(cat printed)"
    same_bytes dest old.lif
    [ -z "$(ls -A | grep velkord)" ] || fail "a temporary file was left: $(ls -A)"
fi

# A link as the destination stays a link (here two, each relative to its own
# folder); the file they lead to is replaced, keeps its permission bits, and
# a hard link to it keeps the old content. (Wine shows Windows programs no
# Unix links, nor permission bits beyond read-only.)
mkdir real
cp old.lif real/prog.lif
ln real/prog.lif hard.lif
if [ -z "${VELKORD_RUNNER:-}" ]; then
    mkdir sub
    chmod 640 real/prog.lif
    ln -s sub/hop.lif link.lif
    ln -s ../real/prog.lif sub/hop.lif
    expect 0 "" big.bin link.lif
    [ -L link.lif ] && [ -L sub/hop.lif ] || fail "a link was replaced"
    [ "$(stat -c %a real/prog.lif)" = 640 ] || fail "permission bits not kept"
    # A new file gets the usual permissions.
    (umask 022 && "$VELKORD" big.bin new.lif > /dev/null)
    [ "$(stat -c %a new.lif)" = 644 ] || fail "a new file got $(stat -c %a new.lif)"
else
    expect 0 "" big.bin real/prog.lif
fi
expect 0 "" big.bin want.lif
# (The name field aside, which comes from the destination's name.)
cmp <(tail -c +11 real/prog.lif) <(tail -c +11 want.lif) || fail "real/prog.lif not replaced"
same_bytes hard.lif old.lif
only_files real prog.lif

# A replaced file keeps its owner and group: here, as root, another user's
# file in a shared folder, who must not be locked out of it afterwards.
if [ "$(id -u)" = 0 ] && [ -z "${VELKORD_RUNNER:-}" ]; then
    cp old.lif theirs.lif
    chown 65534:65534 theirs.lif
    chmod 664 theirs.lif
    expect 0 "" big.bin theirs.lif
    [ "$(stat -c '%u:%g %a' theirs.lif)" = "65534:65534 664" ] ||
        fail "theirs.lif became $(stat -c '%u:%g %a' theirs.lif)"
    cmp -s <(tail -c +11 theirs.lif) <(tail -c +11 big.lif) || fail "theirs.lif not replaced"
fi

# A pipe as the destination is written directly, with the same bytes, whether
# the input can be read twice or not. (Windows knows no such files.)
[ -z "${VELKORD_RUNNER:-}" ] || exit 0
printf 'AB\r\nC\n' > two.txt
expect 0 "" two.txt out.lif /t
mkfifo out.pipe in.pipe
for input in two.txt in.pipe; do
    cat out.pipe > got &
    reader=$!
    [ "$input" = two.txt ] || cat two.txt > in.pipe &
    expect 0 "" "$input" out.pipe /t
    wait "$reader"
    same_bytes got out.lif
done
