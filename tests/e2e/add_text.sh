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
