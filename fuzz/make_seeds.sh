#!/usr/bin/env bash
# Writes the fuzz targets' first inputs into DIR/header, DIR/text and
# DIR/roundtrip: a few files of the kinds the tool meets.
#   fuzz/make_seeds.sh DIR
set -euo pipefail
dir=$1
mkdir -p "$dir/header" "$dir/text" "$dir/roundtrip"

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
