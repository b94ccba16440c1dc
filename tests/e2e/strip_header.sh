# /x: exactly the data the nibble count stands for, every file made by the
# tool given back byte for byte, and short files said, never padded.
source "$(dirname "$0")/common.sh"

for size in 0 1 255 256 257 511 512 513 1000 8388607; do
    head -c "$size" /dev/urandom > in.bin
    expect 0 "" in.bin in.lif /r
    expect 0 "" in.lif back.bin /x /b
    same_bytes back.bin in.bin
done

# The nibble count alone decides, whatever else the header holds.
pattern 2100 > data
for case in "1 1" "2 1" "3 2" "4096 2048"; do
    set -- $case
    { lif_header "JUNK.$1" 1234 9 "$1"; cat data; } > made.lif
    expect 0 "" made.lif out.bin /x
    head -c "$2" data > want
    same_bytes out.bin want
done

printf 'AB\r\nC\n' > two.txt
expect 0 "" two.txt two.lif /t
expect 0 $'two.lif is a TEXT file: add /t to get its lines\n' two.lif text.out /x
[ -f text.out ] && [ ! -s text.out ] || fail "a TEXT file did not give an empty output"

# A header that would make /i warn makes /x warn too, and goes on.
{ printf 'ODD       \xe2\x08\0\0\0\1\0\0\0\4\0\0\0\0\0\0\x80\x01\x06\0\0\0'; cat data; } > odd.lif
expect 0 $'Warning: probably not a valid LIF header\n' odd.lif odd.bin /x
head -c 3 data > want
same_bytes odd.bin want

# Too short for its header: nothing created, an existing output untouched.
printf 'precious' > keep.bin
cp keep.bin keep.orig
head -c 31 two.lif > short.lif
expect 1 $'read error in short.lif\n' short.lif new.bin /x
expect 1 $'read error in short.lif\n' short.lif keep.bin /x
same_bytes keep.bin keep.orig
[ ! -e new.bin ] || fail "a short LIF file created its output"

# Data that end early (here after 200000 of 300000 bytes): the bytes that
# are there, then the error.
pattern 200000 > want
{ lif_header CUT E208 1172 600000; cat want; } > cut.lif
expect 1 $'read error in cut.lif\n' cut.lif cut.bin /x
same_bytes cut.bin want

# The LIF file as its own output, under any name.
cp in.lif in.orig
ln -s in.lif link.lif
for output in in.lif ./in.lif link.lif; do
    expect 1 "impossible to create $output: it is the input file
" in.lif "$output" /x
    same_bytes in.lif in.orig
done

# Two names of one device: the same file, though their inodes differ.
if [ -r /dev/zero ] && [ -z "${VELKORD_RUNNER:-}" ]; then
    ln -s /dev/zero zero
    if mknod zero.node c "$(stat -L -c '%t' zero | sed 's/^/0x/')" \
             "$(stat -L -c '%T' zero | sed 's/^/0x/')" 2> /dev/null; then
        expect 1 $'impossible to create zero.node: it is the input file\n' zero zero.node /x
    fi
fi

mkdir folder
expect 1 $'Error: no destination file name\n' in.lif /x
expect 1 $'impossible to create folder\n' in.lif folder /x
expect 1 $'none.lif not found\n' none.lif keep.bin /x
expect 1 $'folder not found\n' folder keep.bin /x
same_bytes keep.bin keep.orig
if full_disk; then
    expect 1 $'write error in full\n' in.lif full /x
fi
