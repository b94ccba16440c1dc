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

# /i wins over /x and any type; a second name is ignored and not created.
printf 'AB\r\nC\n' > two.txt
expect 0 "" two.txt two.lif /t
expect 0 "File name = TWO       
File type = 0001
File start sector   = 0
File len in sectors = 1
Implementation code = 8001
File length = 0 nibbles (0 bytes)
" /x two.lif /I /b other
[ ! -e other ] || fail "/i created its second name"

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

head -c 31 prog.lex > short.lif
: > empty.lif
mkdir folder
expect 1 $'read error in short.lif\n' short.lif /i
expect 1 $'read error in empty.lif\n' empty.lif /i
expect 1 $'none.lif not found\n' none.lif /i
expect 1 $'folder not found\n' folder /i
