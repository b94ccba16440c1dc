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

# Stopped while it waits on a slow input (a pipe that stalls).
if [ -z "${VELKORD_RUNNER:-}" ]; then
    mkdir stop
    mkfifo stop/slow
    printf 'AB\n' > line.txt
    { lif_header PROG E208 4 2000; printf 'AB'; } > part.lif
    for case in "line.txt /t" "part.lif /x"; do
        set -- $case
        cp old.lif stop/dest
        { cat "$1"; exec sleep 10; } > stop/slow 2> /dev/null &
        feeder=$!
        (cd stop && exec "$VELKORD" slow dest "$2") &
        tool=$!
        sleep 0.5
        kill -TERM "$tool"
        status=0
        wait "$tool" || status=$?
        kill "$feeder" 2> /dev/null || true
        [ "$status" = 143 ] || fail "$2 stopped by SIGTERM: exit $status"
        same_bytes stop/dest old.lif
        only_files stop dest slow
    done
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
