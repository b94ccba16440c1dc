# /i: the six header lines, the warning for implausible headers, and the
# files too short to hold a header.
source "$(dirname "$0")/common.sh"

head -c 1000 /dev/urandom > prog.bin
expect 0 "" prog.bin prog.lex
expect 0 "File name = PROG      
File type = E208
File start sector   = 0
File len in sectors = 4
Implementation code = 8001
File length = 2000 nibbles (1000 bytes)
" prog.lex /i

# /i wins over /x and any type, and shows every file named, in turn: one
# that fails says so in its block, the next is still shown, and the exit
# status says that one failed.
printf 'AB\r\nC\n' > two.txt
expect 0 "" two.txt two.lif /t
head -c 31 prog.lex > short.lif
two="File name = TWO       
File type = 0001
File start sector   = 0
File len in sectors = 1
Implementation code = 8001
File length = 0 nibbles (0 bytes)
"
expect 0 "$two" /x two.lif /I /b
expect 1 "==> two.lif <==
$two
==> other <==
other not found

==> short.lif <==
read error in short.lif

==> two.lif <==
$two" /x two.lif /I /b other short.lif two.lif
[ ! -e other ] || fail "/i created a file"
expect 0 "==> two.lif <==
$two
==> two.lif <==
$two" two.lif two.lif /i

# Any file of 32 bytes or more is shown; the warning is information only.
printf 'ABCDEFGHIJ\xe2\x08\0\0\0\1\0\0\0\4\0\0\0\0\0\0\x80\x01\x03\0\0\0' > odd.lif
expect 0 "File name = ABCDEFGHIJ
File type = E208
File start sector   = 1
File len in sectors = 4
Implementation code = 8001
File length = 3 nibbles (2 bytes)
Warning: probably not a valid LIF header
" odd.lif /i

: > empty.lif
mkdir folder
expect 1 $'read error in short.lif\n' short.lif /i
expect 1 $'read error in empty.lif\n' empty.lif /i
expect 1 $'none.lif not found\n' none.lif /i
expect 1 $'folder is a folder\n' folder /i

# Names reach the terminal safely: each control character (C0, DEL, and C1
# in UTF-8 or as a stray byte) shows as one '?', in messages and in /i;
# other UTF-8 and other bytes stay.
expect 1 $'?[31mred?\xc3\xa9? not found\n' $'\e[31mred\a\xc3\xa9\xc2\x9b' /i
printf 'A\x1b\xc2\x85\xc3\xa9\x7f\xe2\x82\xac\xe2\x08\0\0\0\0\0\0\0\1\0\0\0\0\0\0\x80\x01\0\0\0\0' > c1.lif
expect 0 "File name = A??é?€
File type = E208
File start sector   = 0
File len in sectors = 1
Implementation code = 8001
File length = 0 nibbles (0 bytes)
" c1.lif /i
if [ -z "${VELKORD_RUNNER:-}" ]; then
    # Bytes that belong to no UTF-8 sequence: 0x80-0x9F are C1 controls to
    # some terminals, the others are not.
    expect 1 $'a?\xff?\xe2? not found\n' $'a\x9b\xff\xc2\x85\xe2\x82' /i
    expect 1 $'x?y not found\n' $'x\x9by' out /x
fi
