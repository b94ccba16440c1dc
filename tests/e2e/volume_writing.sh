# Writing LIF volumes: /n, files put on (made exactly as single LIF files),
# replaced, copied between volumes and purged, packing, and all or nothing:
# every failure leaves the image byte for byte as it was.
source "$(dirname "$0")/common.sh"

# unchanged FILE: FILE is still as its copy FILE.orig, and nothing is left
# beside it.
unchanged() {
    same_bytes "$1" "$1.orig"
    [ -z "$(ls -A | grep '^\.velkord')" ] || fail "a temporary file was left"
}

# same_lif_files A B NAME...: each NAME has the same bytes on the volumes A
# and B, as /c writes them out (the start sector is 0 there).
same_lif_files() {
    local a=$1 b=$2 name
    shift 2
    for name; do
        expect 0 "" "$a/$name" one.lif /c
        expect 0 "" "$b/$name" two.lif /c
        same_bytes one.lif two.lif
    done
}

# A new volume: an HP 9114 disk, written in full, labelled from its name.
expect 0 "" disk.lif /new
[ "$(wc -c < disk.lif)" = 630784 ] || fail "a new volume of $(wc -c < disk.lif) bytes"
{ printf '\x80\0DISK  \0\0\0\2\x10\0\0\0\0\0\0\x3f\0\1\0\0\0\0\0\x4d\0\0\0\2\0\0\0\x10'
  head -c 6 /dev/zero; } > want
cmp <(head -c 42 disk.lif | head -c 36; head -c 6 /dev/zero) want || fail "the new label"
cmp <(tail -c +513 disk.lif | head -c $((63 * 256))) <(ff $((63 * 256))) || fail "the new directory"
[ "$(tail -c +$((65 * 256 + 1)) disk.lif | tr -d '\0' | wc -c)" = 0 ] || fail "data sectors not zero"
expect 0 $'Volume label = DISK\nVolume size = 2464 sectors\nDirectory = 63 sectors at sector 2
NAME       TYPE  CODE    START  SECTORS     BYTES  DATE\n0 files, 2399 sectors free\n' disk.lif /i
cp disk.lif disk.lif.orig
mkdir folder
for existing in disk.lif folder; do
    expect 1 "$existing exists already
" "$existing" /n
done
unchanged disk.lif
expect 1 $'Error: too many file names\n' a.lif b.lif /n

# Files put on with each type are made exactly as single LIF files would be.
pattern 1000 > prog.bin
printf '10 DISP "HI"\r\n20 END\n' > hello.txt
for case in "prog.bin PROG" "prog.bin BINARY /b" "prog.bin JOESROM /r" "hello.txt HELLO /t"; do
    set -- $case
    expect 0 "" "$1" "disk.lif/$2" ${3:-}
    expect 0 "" "$1" "$2.single" ${3:-}
    expect 0 "" "disk.lif/$2" "$2.copied" /c
    # The same but for the date: on a volume, when the input was last changed.
    cmp <(head -c 20 "$2.copied"; tail -c +27 "$2.copied") \
        <(head -c 20 "$2.single"; tail -c +27 "$2.single") >&2 || fail "$2 differs"
    [ "$(head -c 26 "$2.copied" | tail -c 6 | od -An -tx1 | tr -d ' \n')" = \
      "$(date -r "$1" +%y%m%d%H%M%S)" ] || fail "$2 is not dated when $1 was changed"
done
expect 0 "" disk.lif/prog back.bin /x
same_bytes back.bin prog.bin
expect 0 "" disk.lif/HELLO back.txt /x /t
printf '10 DISP "HI"\n20 END\n' | cmp - back.txt || fail "/x /t of HELLO"
# Several at once, under their own names, with a volume as the last name;
# two that would get one name are refused.
printf 'one\n' > one.txt
printf 'two\n' > two.txt
expect 0 "" one.txt two.txt disk.lif /t
mkdir sub
printf 'another one\n' > sub/one.txt
cp disk.lif disk.lif.orig
expect 1 $'Error: one.txt and sub/one.txt would both be stored as ONE\n' one.txt sub/one.txt disk.lif /t
unchanged disk.lif
expect 0 $'Warning: the HP-71B cannot use the file name "MY-PROG"\n' prog.bin disk.lif/my-prog

# A file of the same name is replaced: the old entry purged, the new one
# added after the last.
pattern 300 > prog2.bin
expect 0 "" prog2.bin disk.lif/PROG
run disk.lif /i
[ "$(grep -c '^PROG ' printed)" = 1 ] && grep -q '^PROG       LEX   E208       84        2       300' printed ||
    fail "PROG not replaced: $(cat printed)"

# Purged: gone from the catalog, its sectors free; a name that is not there
# changes nothing.
cp disk.lif disk.lif.orig
expect 1 $'disk.lif/NOPE not found\n' disk.lif/ONE disk.lif/NOPE /p
unchanged disk.lif
for name in prog.bin/X prog.bin folder disk.lif; do
    expect 1 "$name is not a file on a LIF volume
" "$name" /purge
done
expect 1 $'nothing/X not found\n' nothing/X /p
expect 0 "" disk.lif/one disk.lif/TWO /p
run disk.lif /i
! grep -q '^ONE \|^TWO ' printed || fail "ONE and TWO not purged"
expect 0 $'Warning: disk.lif is a LIF volume\n' disk.lif /pp out.lex  # /pp is no /p

# Between volumes, and within one; onto itself it is refused.
expect 0 "" new.lif /n
expect 0 "" disk.lif/PROG disk.lif/HELLO new.lif /c
same_lif_files disk.lif new.lif PROG HELLO
expect 0 "" new.lif/PROG new.lif/AGAIN /c
expect 0 "" new.lif/AGAIN again.lif /c
expect 0 "" new.lif/PROG prog.lif /c
cmp <(tail -c +11 again.lif) <(tail -c +11 prog.lif) >&2 || fail "AGAIN differs from PROG"
cp new.lif new.lif.orig
expect 1 $'impossible to create new.lif/prog: it is the input file\n' new.lif/PROG new.lif/prog /c
unchanged new.lif
expect 1 $'prog.bin is not a LIF file\n' prog.bin new.lif /c
unchanged new.lif

# An HP-71B-made volume (0 in bytes 12-13, dated files, odd nibble counts),
# every file copied out and into a new volume: the same catalog but for
# the start sectors, and the same bytes.
# NAME     TYPE START SECTORS DATE         NIBBLES
lif_volume hp71.lif HP71 2 "2 1 32" <<'ENTRIES'
SYS1       E214 4     1       000102011557 443
OLD        0000 5     2       000000000000 1000
NOTES      0001 7     1       210102105402 0
FORTH      E218 8     3       201222163143 1501
ENTRIES
printf '\0\0' | dd of=hp71.lif bs=1 seek=12 conv=notrunc status=none
mkdir out
expect 0 "" hp71.lif out /c
expect 0 "" copy.lif /n
expect 0 "" out/SYS1.BASIC out/NOTES.TEXT out/FORTH.FORTH copy.lif /c
# (The file lines of the catalogs, without the start sectors.)
files_of() { run "$1" /i; tr -d '\r' < printed | sed -n '5,$p' | sed '$d' | cut -c 1-21,31-; }
files_of hp71.lif > hp71.files
files_of copy.lif > copy.files
diff hp71.files copy.files >&2 || fail "the catalogs differ"
same_lif_files hp71.lif copy.lif SYS1 NOTES FORTH

# Packing: a file that fits only once the purged sectors are given back; a
# file whose entry fits only once the purged entries are gone. Every file
# that stays keeps its bytes.
lif_volume small.lif SMALL 1 "1 1 16" <<'ENTRIES'
A          E208 3     4       000000000000 2048
B          0000 7     4       000000000000 2048
C          E208 11    2       000000000000 1024
ENTRIES
cp small.lif small.lif.orig
pattern 1200 > d.bin
expect 0 "" d.bin small.lif/D
expect 0 "" small.lif/D d.back /x
same_bytes d.back d.bin
same_lif_files small.lif.orig small.lif A C
[ "$(wc -c < small.lif)" = $((14 * 256)) ] || fail "the packed image is $(wc -c < small.lif) bytes"
lif_volume slots.lif SLOTS 1 "1 1 32" <<'ENTRIES'
F1         E208 3     1       000000000000 2
F2         0000 4     1       000000000000 2
F3         0000 5     1       000000000000 2
F4         0000 6     1       000000000000 2
F5         0000 7     1       000000000000 2
F6         0000 8     1       000000000000 2
F7         0000 9     1       000000000000 2
F8         E208 10    1       000000000000 2
ENTRIES
cp slots.lif slots.lif.orig
expect 0 "" prog.bin slots.lif/NEW
run slots.lif /i
grep -q '^F8         LEX   E208        4' printed && grep -q '^NEW        LEX   E208        5' printed ||
    fail "slots.lif not packed: $(cat printed)"
same_lif_files slots.lif.orig slots.lif F1 F8

# No room, a missing input among several, a damaged volume, no geometry:
# nothing changes.
cp small.lif small.lif.orig
pattern 4000 > big.bin
expect 1 $'no room for big.bin on small.lif\n' big.bin small.lif/BIG
unchanged small.lif
expect 1 $'missing.bin not found\n' prog.bin missing.bin small.lif
unchanged small.lif
cp small.lif bad.lif
printf '\0\0\0\3' | dd of=bad.lif bs=1 seek=$((512 + 32 + 12)) conv=notrunc status=none  # C on A
cp bad.lif bad.lif.orig
expect 1 $'bad.lif is a damaged LIF volume\n' prog.bin bad.lif/X
expect 1 $'bad.lif is a damaged LIF volume\n' bad.lif/C /p
unchanged bad.lif
cp small.lif bare.lif
head -c 12 /dev/zero | dd of=bare.lif bs=1 seek=24 conv=notrunc status=none
cp bare.lif bare.lif.orig
expect 1 $'bare.lif has no geometry: its size is unknown\n' prog.bin bare.lif/X
unchanged bare.lif
expect 0 "" bare.lif/A /p

# A full disk, and an interruption, while the new image is written.
[ -z "${VELKORD_RUNNER:-}" ] || exit 0
cp disk.lif disk.lif.orig
status=0
(ulimit -f 300 && exec "$VELKORD" prog.bin disk.lif/LIMIT > printed) || status=$?
[ "$status" = 1 ] && [ "$(cat printed)" = "write error in disk.lif" ] ||
    fail "past a file-size limit: exit $status, $(cat printed)"
unchanged disk.lif
lif_volume huge.lif HUGE 1 "1 1 160000" < /dev/null
truncate -s $((160000 * 256)) huge.lif
cp huge.lif huge.lif.orig
"$VELKORD" prog.bin huge.lif/LATE > /dev/null &
tool=$!
until compgen -G '.velkord-*' > /dev/null || ! kill -0 "$tool" 2> /dev/null; do :; done
kill -TERM "$tool" 2> /dev/null || true
status=0
wait "$tool" || status=$?
[ "$status" = 143 ] || echo "SKIP: the run ended (exit $status) before it could be stopped" >&2
[ "$status" != 143 ] || unchanged huge.lif
