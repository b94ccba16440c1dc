# LEX, BIN and ROM files: header, the input's bytes, 0xFF to the sector
# boundary, byte for byte; and every failure said, with nothing lost.
source "$(dirname "$0")/common.sh"

for size in 0 1 255 256 257 511 512 513 1000; do
    pattern "$size" > in.bin
    expect 0 "" in.bin prog.lex
    sectors=$(( (size + 255) / 256 ))
    { lif_header "PROG      " E208 "$sectors" $((2 * size)); cat in.bin
      ff $((sectors * 256 - size)); } > want.lif
    same_bytes prog.lex want.lif
done

# The type options change bytes 10-11 only; /l leaves an earlier /b alone.
pattern 1000 > in.bin
for case in "/b E204" "/B E204" "/r E21C" "/bin E204" "/l E208" "/r /l E21C"; do
    set -- $case
    type=${!#}
    expect 0 "" in.bin ${*:1:$#-1} out.lif
    { lif_header "OUT       " "$type" 4 2000; cat in.bin; ff 24; } > want.lif
    same_bytes out.lif want.lif
done

# The largest input that fits the nibble count, and the first that does not.
head -c 8388607 /dev/urandom > big.bin
expect 0 "" big.bin big.lex
{ lif_header "BIG       " E208 32768 16777214; cat big.bin; ff 1; } > want.lif
same_bytes big.lex want.lif
head -c 8388608 /dev/zero > huge.bin
expect 1 $'huge.bin is too large for a LIF file\n' huge.bin huge.lex
[ ! -e huge.lex ] || fail "a too-large input created its destination"

# Input and destination the same file, however it is named.
printf 'keep me' > same.bin
cp same.bin same.orig
ln same.bin hard.bin
ln -s same.bin soft.bin
mkdir sub
for destination in same.bin ./same.bin sub/../same.bin hard.bin soft.bin; do
    expect 1 "impossible to create $destination: it is the input file
" same.bin "$destination"
    same_bytes same.bin same.orig
done
expect 1 $'impossible to create same.bin: it is the input file\n' soft.bin same.bin

# A missing input or a directory leaves the destination alone.
printf 'precious' > dest.lif
cp dest.lif dest.orig
expect 1 $'missing.bin not found\n' missing.bin dest.lif
expect 1 $'sub not found\n' sub dest.lif
expect 1 $'sub not found\n' sub new.lif
same_bytes dest.lif dest.orig
[ ! -e new.lif ] || fail "a directory input created its destination"

expect 1 $'Error: no/such not found: make the volume first with /n\n' in.bin no/such/dir.lif
expect 1 $'impossible to create in.bin/x.lif\n' in.bin in.bin/x.lif
expect 1 $'impossible to create sub\n' in.bin sub

# A destination that cannot take the data is reported, not passed as written.
# (A name that begins with '/' is an option, so the device is reached by a link.)
if full_disk; then
    expect 1 $'write error in full\n' in.bin full
    expect 1 $'write error in full\n' big.bin full
fi

# An input that is not a regular file has no size to put in the header.
if [ -r /dev/zero ]; then
    ln -s /dev/zero zero
    expect 1 $'read error in zero\n' zero zero.lif
    [ ! -e zero.lif ] || fail "an unmeasurable input created its destination"
fi
