# TEXT files from line-oriented text, as the HP-71B reads them.
source "$(dirname "$0")/common.sh"

# Two lines, CR LF and LF: two records, the end mark, 0xFF to one sector.
printf 'AB\r\nC\n' > two.txt
expect 0 "" two.txt /t two.txt.lif
{ lif_header "TWO       " 0001 1 0; printf '\0\2AB\0\1C\0'; ff 248; } > want
same_bytes two.txt.lif want

# Nothing but line ends, or nothing at all: one sector holding the end mark.
printf '\n\r\n\r\n' > blank.txt
expect 0 "" blank.txt blank.lif /TEXT
{ lif_header "BLANK" 0001 1 0; ff 256; } > want
same_bytes blank.lif want

# The same input under another name, and failures, leave files untouched.
cp two.txt copy.txt
expect 1 $'impossible to create ./two.txt: it is the input file\n' two.txt ./two.txt /t
same_bytes two.txt copy.txt
printf 'precious' > dest.lif
cp dest.lif dest.orig
expect 1 $'none.txt not found\n' none.txt dest.lif /t
mkdir folder
expect 1 $'folder not found\n' folder dest.lif /t
same_bytes dest.lif dest.orig
expect 1 $'impossible to create folder\n' two.txt folder /t
if full_disk; then
    expect 1 $'write error in full\n' two.txt full /t
fi

# Notepad's "UTF-8 with BOM": the mark is no part of the first line, on a
# file or a pipe. Its "Unicode" (UTF-16, either byte order) is refused, and
# nothing is made.
printf '\xef\xbb\xbfAB\r\nC\n' > bom.txt
expect 0 "" bom.txt BOM /t
{ lif_header BOM 0001 1 0; printf '\0\2AB\0\1C\0'; ff 248; } > want
same_bytes BOM want
if [ -z "${VELKORD_RUNNER:-}" ]; then
    expect 0 "" /dev/stdin BOM /t < <(cat bom.txt)
    same_bytes BOM want
fi
printf '\xef\xbb\xbf' > mark.txt
expect 0 "" mark.txt MARK /t
{ lif_header MARK 0001 1 0; ff 256; } > want
same_bytes MARK want
for mark in '\xff\xfe' '\xfe\xff'; do
    printf "${mark}A\0\n\0" > u16.txt
    expect 1 $'u16.txt is UTF-16 text: save it as UTF-8 or ASCII first\n' u16.txt U16 /t
    [ ! -e U16 ] || fail "UTF-16 text made a file"
done
