#!/usr/bin/env bash
# Writes the fuzz targets' first inputs into DIR/header, DIR/text,
# DIR/roundtrip and DIR/volume: a few files of the kinds the tool meets.
#   fuzz/make_seeds.sh DIR
set -euo pipefail
dir=$1
mkdir -p "$dir/header" "$dir/text" "$dir/roundtrip" "$dir/volume"

# A LEX header as the tool writes it, one with every tested byte wrong, and
# a TEXT header followed by its first record.
printf 'PROG      \xe2\x08\0\0\0\0\0\0\0\4\0\0\0\0\0\0\x80\x01\xd0\x07\0\0' > "$dir/header/lex"
printf 'junk\0name\x12\x34\1\2\3\4\5\6\7\x08\x09\x0a\x0b\x0c\x0d\x0e\x80\x02\x01\x02\x03\x04' > "$dir/header/implausible"
printf 'NOTES     \0\x01\0\0\0\0\0\0\0\1\0\0\0\0\0\0\x80\x01\0\0\0\0\0\2AB' > "$dir/header/text"

# Text: the first byte says how often the rest repeats.
printf '\0AB\r\nC\n' > "$dir/text/two_lines"
printf '\0A\n\nB\n\r\n\rC\rD\r\r\n' > "$dir/text/line_ends"
printf '\0\0A\0\nlast' > "$dir/text/zero_bytes"
{ printf '\3'; head -c 4094 /dev/zero | tr '\0' 'x'; printf '\r\n'; } > "$dir/text/long_line"
{ printf '\77'; head -c 252 /dev/zero | tr '\0' 'y'; printf '\n'; } > "$dir/text/whole_sectors"

: > "$dir/roundtrip/empty"
printf 'x' > "$dir/roundtrip/one"
head -c 256 /dev/zero | tr '\0' '\377' > "$dir/roundtrip/sector"
{ head -c 256 /dev/zero; printf '\n'; } > "$dir/roundtrip/sector_and_one"

# Volumes: a label, sector 1, a directory sector with two files and the end
# mark, and their sectors; the same with no geometry and cut within a file.
volume() {
    printf '\x80\0SEED  \0\0\0\2\x10\0\0\0\0\0\0\1\0\1\0\0\0\0\0\1\0\0\0\1\0\0\0%b' "$1"
    printf '\x26\x12\x08\x11\x30\0'
    head -c $((512 - 42)) /dev/zero
    printf 'PROG      \xe2\x14\0\0\0\3\0\0\0\1\0\1\2\1\x15\x57\x80\x01\xbb\1\0\0'
    printf 'NOTES     \0\1\0\0\0\4\0\0\0\1\x21\1\2\x10\x54\2\x80\x01\0\0\0\0'
    head -c 192 /dev/zero | tr '\0' '\377'
    head -c 256 /dev/zero | tr '\0' 'p'
    printf '\0\2AB\xff\xff'
    head -c 250 /dev/zero | tr '\0' '\377'
}
volume '\x10' > "$dir/volume/two_files"
volume '\0' > "$dir/volume/no_geometry"
head -c 900 "$dir/volume/two_files" > "$dir/volume/cut"
