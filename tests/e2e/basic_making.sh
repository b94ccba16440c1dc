# BASIC programs made from their text with /basic: byte for byte as the
# HP-71B stores them, every refused line said with its line, nothing
# written then; onto volumes too, from standard input, and listed back.
source "$(dirname "$0")/common.sh"
data=$(cd "$(dirname "$0")/../data/basic/programs" && pwd)

# want_program NAME HEX NIBBLES: the LIF file NAME of a program whose body
# is HEX, NIBBLES long.
want_program() {
    local size=$(( ${#2} / 2 ))
    local sectors=$(( (size + 255) / 256 ))
    { lif_header "$1" E214 "$sectors" "$3"; hex_bytes "$2"; ff $(( sectors * 256 - size )); }
}

# Every program of the HP-71B's test data, whole.
for text in "$data"/[MP][0-9][0-9].txt; do
    name=$(basename "$text" .txt)
    cp "$text" "$name.txt"
    expect 0 "" "$name.txt" "$name" /basic
    want_program "$name" "$(cat "$data/$name.hex")" "$(cat "$data/$name.nibbles")" > want
    same_bytes "$name" want
    # Listed back, as the HP-71B lists it.
    expect 0 "" "$name" "$name.list" /x /basic
    tr -d '\r' < "$data/$name.list" | cmp -s - "$name.list" || fail "the listing of $name"
done

# A program with refused lines: each said, as the HP-71B says it, with its
# place in the text; nothing is written, and an existing file stays.
cp "$data/P02-bad.txt" bad.txt
printf 'keep' > bad.lif
expect 1 $'bad.txt:7: ERR:Illegal Context\n' bad.txt bad.lif /basic
[ "$(cat bad.lif)" = keep ] || fail "a refused program replaced a file"
{
    printf '\xef\xbb\xbf10 A=1\r\n'       # a byte-order mark, CR LF
    printf '   \n\n'                      # blank lines are passed over
    printf 'DISP 1\n'                     # no line number
    printf '20\n30 =1\n'                  # no statement
    printf '10 B=2\n'                     # given again: the later one counts
    printf '0 A=1\n10000 A=1\n1.5 A=1\n'  # not a line number
    printf '40 A=1E500\n'                 # out of range: a warning
    printf '50 REM %0120d\n' 0            # too long
} > lines.txt
expect 1 'lines.txt:4: not a program line: it must begin with a line number
lines.txt:5: line 20 holds no statement
lines.txt:6: line 30 holds no statement
Warning: lines.txt:7: line 10 is given again: the later one is kept
lines.txt:8: ERR:Excess Chars
lines.txt:9: ERR:Excess Chars
lines.txt:10: ERR:Excess Chars
Warning: lines.txt:11: WRN:Overflow
lines.txt:12: ERR:Line Too Long
' lines.txt lines.lif /basic
[ ! -e lines.lif ] || fail "a refused program was written"
printf '10 B=2\n20 A=1E500\n' > warned.txt
expect 0 $'Warning: warned.txt:2: WRN:Overflow\n' warned.txt warned.lif /basic

# Onto a volume, several at once, and from standard input; /basic counts
# only as written, and the last type option counts.
expect 0 "" disk.lif /n
expect 0 "" P01.txt P02.txt disk.lif /basic
expect 0 "" P01.txt disk.lif/ONE /b /basic
expect 0 "" - disk.lif/PIPED /basic < P03.txt
expect 0 "" P01.txt binary.lif /basic /bin
run disk.lif /i
tr -d '\r' < printed | grep -q '^P01        BASIC E214 ' && tr -d '\r' < printed | grep -q '^PIPED      BASIC E214 ' ||
    fail "not on the volume: $(cat printed)"
expect 0 "" disk.lif/PIPED piped.lif /c
# (The same but for the name and the date it got on the volume.)
cmp <(head -c 20 piped.lif | tail -c +11; tail -c +27 piped.lif) \
    <(head -c 20 P03 | tail -c +11; tail -c +27 P03) >&2 || fail "a program from standard input differs"
[ "$(head -c 12 binary.lif | tail -c 2 | od -An -tx1 | tr -d ' ')" = e204 ] || fail "/bin after /basic"

# More text than any program is made from is refused before it is read.
head -c $((1048576 + 1)) /dev/zero | tr '\0' '\n' > huge.txt
expect 1 $'huge.txt is too large for an HP-71B program\n' huge.txt huge.lif /basic
