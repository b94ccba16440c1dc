# /x /t: the records of a TEXT file back into lines, the way back for text
# made on an HP-71B; and /t then /x /t gives a text back byte for byte.
source "$(dirname "$0")/common.sh"

# A TEXT file as the HP-71B writes one: a date in bytes 20-25, and whatever
# byte happens to follow an odd-length record as its pad byte.
{
    printf 'GREET     \0\1\0\0\0\0\0\0\0\1\x26\x12\x08\x09\x30\x15\x80\x01\0\0\0\0'
    printf '\0\x0f10 DISP "HELLO"Q'
    printf '\xff\xfe\0\x0620 END'
    printf '\0\0\xff\xfe\0\x03A\rBZ'
    printf '\xff\xff\0\x05AFTER\0'
} > greet.lif
{ cat greet.lif; ff $((32 + 256 - $(wc -c < greet.lif))); } > full.lif
want=$'10 DISP "HELLO"\n20 END\n\nA\rB\n'
for options in "/x /t" "/T /X" "/t /b /t /x"; do
    # shellcheck disable=SC2086
    expect 0 "" full.lif greet.txt $options
    printf '%s' "$want" | cmp - greet.txt || fail "greet.txt differs"
done
# The data are the sectors the header names: a file cut before them, with
# no end mark reached (a transfer that stopped), keeps the lines before the
# cut and says that it is short, whether it ends between records or within one.
head -c $((32 + 18 + 2 + 8)) full.lif > boundary.lif
expect 1 $'read error in boundary.lif\n' boundary.lif boundary.txt /x /t
printf '10 DISP "HELLO"\n20 END\n' | cmp - boundary.txt || fail "boundary.txt differs"
head -c $((32 + 18 + 2 + 3)) full.lif > cut.lif
expect 1 $'read error in cut.lif\n' cut.lif cut.txt /x /t
printf '10 DISP "HELLO"\n' | cmp - cut.txt || fail "cut.txt differs"

# A BASIC program to the HP-71B and back: LF line ends, no empty lines.
printf '10 REM round trip\n20 FOR I=1 TO 10 @ DISP I @ NEXT I\n30 A$="\xe9\x01\r"\n40 END\n' > prog.txt
expect 0 "" prog.txt PROG /t
expect 0 "" PROG back.txt /x /t
same_bytes back.txt prog.txt

# Any other type is refused before anything is written.
printf 'precious' > keep.txt
cp keep.txt keep.orig
pattern 1000 > data.bin
expect 0 "" data.bin DATA.LEX
expect 1 $'DATA.LEX is not a TEXT file\n' DATA.LEX keep.txt /x /t
expect 1 $'DATA.LEX is not a TEXT file\n' DATA.LEX new.txt /x /t
same_bytes keep.txt keep.orig
[ ! -e new.txt ] || fail "a file that is not TEXT made an output"
expect 1 $'impossible to create PROG: it is the input file\n' PROG PROG /x /t
head -c 31 PROG > short.lif
expect 1 $'read error in short.lif\n' short.lif x.txt /x /t
