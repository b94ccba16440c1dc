# Work bounded whatever the image: crafted volumes that ask for a huge image
# are done or refused at once, without a big temporary file; purging from a
# directory of a million entries stays within 64 MiB; packing keeps what
# lies past the capacity; a rewritten volume keeps its whole mode.
source "$(dirname "$0")/common.sh"

printf '10 DISP "HI"\r\n20 END\n' > hello.txt

# label FILE NAME DIRECTORY_SECTORS TRACKS SURFACES SECTORS: a volume label,
# the directory at sector 2, and sector 1, as lif_volume writes them.
label() {
    {
        printf '\x80\0%-6.6s' "$2"
        be32 2
        printf '\x10\0\0\0'
        be32 "$3"
        printf '\0\1\0\0'
        be32 "$4"
        be32 "$5"
        be32 "$6"
        printf '\x26\x12\x08\x11\x30\0'
        head -c $((512 - 42)) /dev/zero
    } > "$1"
}

# entry NAME START: a directory entry of a LEX file of 0 sectors.
entry() {
    printf '%-10.10s\xe2\x08' "$1"
    be32 "$2"
    be32 0
    printf '\0\0\0\0\0\0\x80\x01\0\0\0\0'
}

# bounded STATUS TEXT ARGS...: as expect, with the run stopped after 10
# seconds and its files held below 64 MiB; it must end within 2 seconds.
bounded() {
    local want_status=$1 want_text=$2 start
    shift 2
    start=${EPOCHREALTIME/[.,]/}
    set +e
    (ulimit -f 65536; exec timeout 10 "$VELKORD" "$@") > printed
    status=$?
    set -e
    local took=$(( (${EPOCHREALTIME/[.,]/} - start) / 1000 ))
    console "$want_text" > .expected
    cmp -s .expected printed || fail "velkord $*: printed $(cat printed), expected $want_text"
    [ "$status" = "$want_status" ] || fail "velkord $*: exit $status, expected $want_status"
    [ "$took" -lt 2000 ] || fail "velkord $*: took $took ms"
    [ -z "$(ls -A | grep '^\.velkord')" ] || fail "a temporary file was left"
}

# 544 bytes: a directory of 4,294,967,295 sectors whose first slot is the
# end mark, and a capacity larger still. A file cannot go on without the
# whole directory being written out: no room.
label huge.lif HUGE 4294967295 65536 65536 256
ff 32 >> huge.lif
cp huge.lif huge.lif.orig
if [ -z "${VELKORD_RUNNER:-}" ]; then
    bounded 1 $'no room for hello.txt on huge.lif\n' hello.txt huge.lif/X /t
    same_bytes huge.lif huge.lif.orig
    bounded 1 $'huge.lif/X not found\n' huge.lif/X /p
    same_bytes huge.lif huge.lif.orig
fi

# A cut image of large geometry holding an entry of 0 sectors at sector
# 0x7FFFFFFF: placing a file after it would make an image of 512 GiB, so
# the volume is packed (the entry moves down) and the file goes on.
label far.lif FAR 1 65536 65536 256
{ entry ZERO 2147483647; ff $((256 - 32)); } >> far.lif
if [ -z "${VELKORD_RUNNER:-}" ]; then
    bounded 0 "" hello.txt far.lif/NEW /t
    [ "$(wc -c < far.lif)" -le $((4 * 256)) ] || fail "far.lif grew to $(wc -c < far.lif) bytes"
    run far.lif /i
    grep -q '^ZERO  .* 3 *0 ' printed && grep -q '^NEW ' printed || fail "far.lif: $(cat printed)"
fi

# A million entries of one name, purged in one run: memory stays within
# 64 MiB (the image is sparse past its directory).
if [ -x /usr/bin/time ] && [ -z "${VELKORD_RUNNER:-}" ]; then
    entries=1048576
    label many.lif MANY $((entries / 8 + 1)) 65536 65536 256
    entry SAME $((entries / 8 + 3)) > entry
    for i in $(seq 20); do cat entry entry > entries && mv entries entry; done
    cat entry >> many.lif
    ff 256 >> many.lif
    truncate -s $(( (entries / 8 + 3 + 64) * 256 )) many.lif
    kib=$( { /usr/bin/time -f %M "$VELKORD" many.lif/SAME /p > printed; } 2>&1 | tail -n 1)
    [ ! -s printed ] || fail "purging a million entries: $(cat printed)"
    echo "purge of a million entries: $kib KiB" >&2
    [ "$kib" -le 65536 ] || fail "purging a million entries took $kib KiB"
    run many.lif /i
    grep -q '^0 files' printed || fail "many.lif after the purge: $(tail -n 1 printed)"
else
    echo "SKIP: no /usr/bin/time to measure memory (or not a POSIX run)" >&2
fi

# Packing keeps the bytes past the capacity as they were: the capacity is
# 16 sectors, the image 18, and the last two hold something of their own.
lif_volume small.lif SMALL 1 "1 1 16" <<'ENTRIES'
A          E208 3     4       000000000000 2048
B          0000 7     4       000000000000 2048
C          E208 11    2       000000000000 1024
ENTRIES
truncate -s $((16 * 256)) small.lif
pattern 512 >> small.lif
tail -c 512 small.lif > tail.orig
pattern 1200 > d.bin
expect 0 "" d.bin small.lif/D
run small.lif /i
grep -q '^C .* 7 ' printed || fail "small.lif was not packed: $(cat printed)"
tail -c 512 small.lif > tail.now
same_bytes tail.now tail.orig

# A rewritten volume keeps its whole mode, the setgid bit too.
if [ -z "${VELKORD_RUNNER:-}" ] && chmod 2664 small.lif 2> /dev/null &&
    [ "$(stat -c %a small.lif)" = 2664 ]; then
    expect 0 "" hello.txt small.lif/H /t
    [ "$(stat -c %a small.lif)" = 2664 ] || fail "small.lif has mode $(stat -c %a small.lif)"
else
    echo "SKIP: the setgid bit cannot be set here" >&2
fi
