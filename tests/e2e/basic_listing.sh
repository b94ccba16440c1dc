# /x /t on a BASIC program: its listing as the HP-71B shows it, from a single
# LIF file or from a volume; private programs refused; a damaged program
# listed up to the line that cannot be.
source "$(dirname "$0")/common.sh"

# A program of 169 nibbles, as the HP-71B stores it.
program=fffffffffff0100014e6535155415245530df020000acc7d4133f030000ec349f131f333f411
program+=497d41119f9434486f409c040f0420f12dd31714348a424fcf502cf2b424424f504fcf507ce2f
program+=474020f0540a00d0f
listing='10 REM SQUARES
20 DIM A(3)
30 FOR I=1 TO 3 @ A(I)=I*I @ NEXT I
40 IF A(2)=4 THEN DISP "OK" ELSE DISP '"'NO'"'
50 END
'
# single TYPE NIBBLES HEX: a single LIF file holding the data HEX.
single() {
    lif_header PROG "$1" 1 "$2"
    hex_bytes "$3"
    ff $((256 - ${#3} / 2))
}

single E214 169 "$program" > prog.lif
expect 0 "" prog.lif prog.txt /x /t
printf '%s' "$listing" | cmp - prog.txt || fail "prog.txt differs"
# A secure program lists too.
single E215 169 "$program" > secure.lif
expect 0 "" secure.lif secure.txt /X /T
same_bytes secure.txt prog.txt

# On a volume, named as DISK.LIF/NAME.
lif_volume disk.lif HP71 2 "2 1 32" <<'ENTRIES'
NOTES      0001 4     1       210102105402 0
PROG       E214 5     1       210210120657 169
ENTRIES
{ hex_bytes "$program"; ff $((256 - ${#program} / 2)); } |
    dd of=disk.lif bs=256 seek=5 conv=notrunc status=none
expect 0 "" disk.lif/prog vol.txt /x /t
same_bytes vol.txt prog.txt

# Plain /x gives the tokens as they are, and the way to the listing.
expect 0 $'prog.lif is a BASIC program: add /t to list it\n' prog.lif prog.bin /x
hex_bytes "$program" | cmp - prog.bin || fail "/x of a BASIC program"
expect 0 $'disk.lif/PROG is a BASIC program: add /t to list it\n' disk.lif/PROG vol.bin /x
same_bytes vol.bin prog.bin

# A private program is not listed, and nothing is written.
printf 'precious' > keep.txt
cp keep.txt keep.orig
for type in E216 E217; do
    single "$type" 169 "$program" > private.lif
    expect 1 $'private.lif is a private program\n' private.lif new.txt /x /t
    expect 1 $'private.lif is a private program\n' private.lif keep.txt /x /t
    [ ! -e new.txt ] || fail "a private program made an output"
    same_bytes keep.txt keep.orig
    expect 0 "" private.lif private.bin /x  # no way to a listing there
done
# Any other type is still no TEXT file.
single E218 169 "$program" > forth.lif
expect 1 $'forth.lif is not a TEXT file\n' forth.lif new.txt /x /t
[ ! -e new.txt ] || fail "a FORTH file made an output"

# A damaged program (line 30 holds a token the HP-71B never stores): the
# lines before it, then the error.
damaged=fffffffffff0100014e6535155415245530df020000acc7d4133f030000858f101f0400004daf0
single E214 78 "$damaged" > damaged.lif
expect 1 $'read error in damaged.lif\n' damaged.lif damaged.txt /x /t
printf '10 REM SQUARES\n20 DIM A(3)\n' | cmp - damaged.txt || fail "damaged.txt differs"
# So does a program cut short, here within line 40, also on a volume.
{ lif_header PROG E214 1 169; hex_bytes "${program:0:120}"; } > cut.lif
expect 1 $'read error in cut.lif\n' cut.lif cut.txt /x /t
printf '10 REM SQUARES\n20 DIM A(3)\n30 FOR I=1 TO 3 @ A(I)=I*I @ NEXT I\n' | cmp - cut.txt ||
    fail "cut.txt differs"
head -c $((5 * 256 + 60)) disk.lif > cutdisk.lif
expect 1 $'read error in cutdisk.lif/PROG\n' cutdisk.lif/PROG cutvol.txt /x /t
same_bytes cutvol.txt cut.txt
