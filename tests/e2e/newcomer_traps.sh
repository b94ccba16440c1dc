# A newcomer's slips: a LIF file or a volume put inside a LEX file on a
# volume, text made into a LEX file without a word, a whole volume copied
# onto another, dates and names on volumes.
source "$(dirname "$0")/common.sh"

unchanged() {
    same_bytes "$1" "$1.orig"
}

# shown ARGS...: runs the tool; what it printed, without Windows' CRs, in "shown".
shown() {
    run "$@"
    tr -d '\r' < printed > shown
}

# NAME     TYPE START SECTORS DATE         NIBBLES
lif_volume sample.lif SAMPLE 1 "1 1 64" <<'ENTRIES'
SYS1       E214 3     1       000102011557 100
NOTES      0001 4     1       210102105402 0
ENTRIES
expect 0 "" t1.lif /n
expect 0 "" sample.lif/SYS1 SYS1.LIF /c
cp t1.lif t1.lif.orig

# No LIF file inside another on a volume: /c was meant.
expect 1 $'Error: sample.lif/SYS1 is a LIF file: use /c to copy it as it is\n' sample.lif/SYS1 t1.lif
expect 1 $'Error: SYS1.LIF is a LIF file: use /c to copy it as it is\n' SYS1.LIF t1.lif/PROG
expect 1 $'Error: sample.lif is a LIF volume: use /c to copy its files\n' sample.lif t1.lif
unchanged t1.lif
# A single file made of one still works, and says so.
expect 0 $'Warning: SYS1.LIF already begins with a LIF header\n' SYS1.LIF twice.lex

# Every file of a volume onto another, as if each had been named, dates kept.
expect 0 "" sample.lif t1.lif /c
shown t1.lif /i
grep -q '^SYS1       BASIC E214 .*2000-01-02 01:15:57$' shown &&
    grep -q '^NOTES      TEXT  0001 .*2021-01-02 10:54:02$' shown || fail "not copied: $(cat shown)"
cp t1.lif t1.lif.orig
lif_volume other.lif OTHER 1 "1 1 64" <<'ENTRIES'
SYS1       E208 3     1       000000000000 2
ENTRIES
expect 1 $'Error: sample.lif/SYS1 and other.lif/SYS1 would both be stored as SYS1\n' \
    sample.lif other.lif t1.lif /c
unchanged t1.lif

# Text made into a LEX file only because no type was given is questioned.
printf '10 DISP "HELLO"\n20 END\n' > hello.txt
printf 'caf\xc3\xa9 \xe2\x82\xac\tok\r\n\x0c\n' > utf8.txt
pattern 300 > binary.bin
printf 'no line feed' > short.txt
printf 'A\x7f\n' > del.txt
for input in hello.txt utf8.txt; do
    stem=${input%.txt}
    expect 0 "Warning: $input looks like text: add /t to make a TEXT file
" "$input" "t1.lif/${stem^^}"
    expect 0 "Warning: $input looks like text: add /t to make a TEXT file
" "$input" "$stem.lex"
done
for args in "hello.txt hello2.lex /l" "hello.txt HELLO3 /L" "binary.bin BINARY" \
            "short.txt SHORT" "del.txt DEL" "hello.txt HELLOT /t" "hello.txt HELLOB /b"; do
    # shellcheck disable=SC2086
    expect 0 "" $args
done

# A file put on from an ordinary file is dated when that was last changed;
# /c gives a copy its date as its time; /i shows the date.
touch -d '2024-03-05 06:07:08' binary.bin
expect 0 "" binary.bin t1.lif/DATED
shown t1.lif /i
grep -q '^DATED      LEX   E208 .*2024-03-05 06:07:08$' shown || fail "no date: $(cat shown)"
expect 0 "" t1.lif/DATED dated.lif /c
[ "$(date -r dated.lif '+%F %T')" = '2024-03-05 06:07:08' ] || fail "/c did not keep the date"
shown t1.lif/DATED /i
grep -q '^File date = 2024-03-05 06:07:08$' shown || fail "/i shows no date: $(cat shown)"
# Before 1970 or after 2069 two digits cannot tell the year: no date.
touch -d '2071-01-01 00:00:00' binary.bin
expect 0 "" binary.bin t1.lif/LATE
shown t1.lif /i
grep -q '^LATE       LEX   E208 .*  -$' shown || fail "a date for 2071: $(cat shown)"

# Names on a volume: none that is blank; labels of letters and digits, never
# a part of a character; the catalog's column by characters.
cp binary.bin .first
cp t1.lif t1.lif.orig
expect 1 $'Error: .first has no name a volume can hold\n' .first t1.lif
unchanged t1.lif
expect 0 $'Warning: the volume label is "A"\n' aéééé.lif /n
[ "$(head -c 8 aéééé.lif | tail -c 6)" = 'A     ' ] || fail "label bytes of aéééé.lif"
expect 0 "" games.lif /n
expect 0 $'Warning: the volume label is "12AB"\n' 12-ab.lif /n
expect 0 $'Warning: the HP-71B cannot use the file name "ÉTÉ"\n' binary.bin games.lif/ÉTÉ
shown games.lif /i
grep -q '^ÉTÉ        LEX   E208 ' shown || fail "the name column: $(cat shown)"
