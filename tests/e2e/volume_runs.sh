# Volumes that meet a second run: runs that change one volume at once each
# do their change, one after the other; a run waits for a volume in use and
# gives up after 30 seconds, changing nothing; reading is never held up;
# and a run that changes several volumes changes all of them or none.
source "$(dirname "$0")/common.sh"

printf '10 DISP "HI"\r\n20 END\n' > hello.txt

# in_background NAME ARGS...: runs the tool in the background; its output
# goes to said.NAME and, once it ends, its exit status to status.NAME.
in_background() {
    local name=$1
    shift
    rm -f "status.$name"
    (code=0; call "$@" > "said.$name" || code=$?; echo "$code" > "status.$name") &
}

# ended NAME: waits for the run NAME, and prints its exit status.
ended() {
    while [ ! -s "status.$1" ]; do sleep 0.1; done
    cat "status.$1"
}

# files_on VOLUME: the names in the volume's catalog, one a line, sorted.
# (Under wine a volume just replaced may not be there for a moment even
# after the run that replaced it has ended: it is looked at once more.)
files_on() {
    run "$1" /i
    if [ "$status" != 0 ] && [ -n "${VELKORD_RUNNER:-}" ]; then
        sleep 1
        run "$1" /i
    fi
    [ "$status" = 0 ] || fail "the catalog of $1: exit $status, said $(cat printed)"
    tr -d '\r' < printed | sed -n '5,$p' | sed '$d' | cut -c 1-10 | tr -d ' ' | sort
}

# A volume that another program holds locked: the run waits, then says so
# and changes nothing. Meanwhile it can be read. (flock(1) holds the lock
# that velkord takes on POSIX systems; it runs in the background while the
# rest of the test goes on.)
held=false
if [ -z "${VELKORD_RUNNER:-}" ] && command -v flock > /dev/null; then
    expect 0 "" locked.lif /n
    cp locked.lif locked.lif.orig
    flock locked.lif sleep 40 &
    holder=$!
    sleep 0.5
    start=$SECONDS
    in_background locked hello.txt locked.lif/LATE /t
    held=true
    files_on locked.lif > /dev/null
    [ $((SECONDS - start)) -lt 5 ] || fail "reading a locked volume waited for the lock"
else
    echo "SKIP: no flock(1) to hold a volume's lock (or not a POSIX run)" >&2
fi

# Eight runs putting a file each on one volume at the same time: every run
# succeeds and every file is there, three times over. (Under wine, whose
# replacement of a file is not one step, a run may find the volume missing
# for a moment and say so; still no run may say it put a file on that is
# not there.)
for round in 1 2 3; do
    rm -f disk.lif
    expect 0 "" disk.lif /n
    for i in 1 2 3 4 5 6 7 8; do
        in_background "$i" hello.txt "disk.lif/P$i" /t
    done
    kept=""
    for i in 1 2 3 4 5 6 7 8; do
        if [ "$(ended "$i")" = 0 ] && [ ! -s "said.$i" ]; then
            kept+="P$i "
        elif [ -z "${VELKORD_RUNNER:-}" ]; then
            fail "round $round, run $i: exit $(ended "$i"), said $(cat "said.$i")"
        else
            echo "NOTE: under wine, round $round, run $i said $(cat "said.$i")" >&2
        fi
    done
    [ "$(files_on disk.lif | grep -xF "$(printf '%s\n' $kept)" | tr '\n' ' ')" = "$kept" ] ||
        fail "round $round: the volume holds $(files_on disk.lif | tr '\n' ' '), not $kept"
done
[ -z "$(ls -A | grep '^\.velkord')" ] || fail "a temporary file was left"

# A file put on while another is purged: both are done. (A volume of 8 MB,
# so that the two runs overlap.)
lif_volume race.lif RACE 1 "1 1 32768" <<'ENTRIES'
OLD        E208 3     1       000000000000 2
ENTRIES
truncate -s $((32768 * 256)) race.lif
cp race.lif race.lif.orig
for round in 1 2 3 4 5; do
    cp race.lif.orig race.lif
    in_background add hello.txt race.lif/NEW /t
    in_background purge race.lif/OLD /p
    want="NEW "
    for job in add purge; do
        if [ "$(ended "$job")" != 0 ] || [ -s "said.$job" ]; then
            [ -n "${VELKORD_RUNNER:-}" ] ||
                fail "round $round: the $job run: exit $(ended "$job"), said $(cat "said.$job")"
            echo "NOTE: under wine, round $round, the $job run said $(cat "said.$job")" >&2
            want=$([ "$job" = add ] && echo "OLD " || echo "NEW OLD ")
        fi
    done
    [ "$(ended add)$(ended purge)" != 11 ] || continue
    [ "$(files_on race.lif | tr '\n' ' ')" = "$want" ] ||
        fail "round $round: after an add and a purge: $(files_on race.lif | tr '\n' ' ')"
done

# Purging from two volumes when the second cannot be rewritten (its folder
# is read-only): neither volume changes.
lif_volume p1.lif P1 1 "1 1 16" <<'ENTRIES'
SYS1       E208 3     1       000000000000 2
ENTRIES
mkdir readonly
lif_volume readonly/p2.lif P2 1 "1 1 16" <<'ENTRIES'
SYS1       E208 3     1       000000000000 2
ENTRIES
cp p1.lif p1.lif.orig
cp readonly/p2.lif p2.lif.orig
if [ "$(id -u)" = 0 ] && [ -z "${VELKORD_RUNNER:-}" ]; then
    # Root writes into any folder: a read-only file system stops it.
    mv readonly/p2.lif p2.lif.tmp
    rmdir readonly
    if small_disk readonly; then
        mv p2.lif.tmp readonly/p2.lif
        mount -o remount,ro "$work/readonly" || fail "cannot remount read-only"
    else
        mkdir -p readonly && mv p2.lif.tmp readonly/p2.lif
    fi
else
    chmod 555 readonly
fi
if [ ! -w readonly ] || grep -q " $work/readonly .*\bro\b" /proc/mounts 2> /dev/null; then
    expect 1 $'impossible to create readonly/p2.lif\n' p1.lif/SYS1 readonly/p2.lif/SYS1 /p
    same_bytes p1.lif p1.lif.orig
    same_bytes readonly/p2.lif p2.lif.orig
    [ -z "$(ls -A | grep '^\.velkord')" ] || fail "a temporary file was left"
else
    echo "SKIP: no read-only folder can be made here" >&2
fi
chmod 755 readonly 2> /dev/null || true

if $held; then
    [ "$(ended locked)" = 1 ] && [ "$(cat said.locked)" = "Error: locked.lif is in use by another run" ] ||
        fail "a locked volume: exit $(ended locked), said $(cat said.locked)"
    elapsed=$((SECONDS - start))
    [ "$elapsed" -ge 29 ] && [ "$elapsed" -le 38 ] || fail "gave up after $elapsed s, not 30"
    same_bytes locked.lif locked.lif.orig
    kill "$holder" 2> /dev/null || true
    wait "$holder" 2> /dev/null || true
fi
