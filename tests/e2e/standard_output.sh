# /dev/stdout and its kin as the output: written through the descriptor
# itself (a pipe, or a redirected file at its current place), never
# reopened nor replaced, and the run's messages go to standard error.
source "$(dirname "$0")/common.sh"
[ -z "${VELKORD_RUNNER:-}" ] || exit 0  # Windows has no such names

printf '10 DISP "HI"\n20 END\n' > prog.txt
"$VELKORD" prog.txt PROG /t > /dev/null

"$VELKORD" PROG /dev/stdout /x /t | cat > got
same_bytes got prog.txt
{ echo before; "$VELKORD" PROG /dev/stdout /x /t; echo after; } > redirected
{ echo before; cat prog.txt; echo after; } > want
same_bytes redirected want
only_files . PROG prog.txt got redirected want

relative=$(realpath -s --relative-to=. /dev/stdout)
"$VELKORD" PROG "$relative" /x /t > got
same_bytes got prog.txt
"$VELKORD" PROG /dev/fd/3 /x /t 3> got > printed
same_bytes got prog.txt
[ ! -s printed ] || fail "data on standard output"
expect 1 $'impossible to create /dev/fd/9\n' PROG /dev/fd/9 /x /t

# Messages on standard error, data alone on standard output.
"$VELKORD" PROG /dev/stdout /x > got 2> messages
[ ! -s got ] && [ "$(cat messages)" = "PROG is a TEXT file: add /t to get its lines" ] ||
    fail "/x of a TEXT file to standard output: $(cat messages)"
"$VELKORD" prog.txt /proc/self/fd/1 > got 2> messages
[ "$(cat messages)" = 'Warning: the HP-71B cannot use the file name "1"
Warning: prog.txt looks like text: add /t to make a TEXT file' ] ||
    fail "warning not on standard error: $(cat messages)"
"$VELKORD" prog.txt one > /dev/null
cmp -s <(tail -c +11 got) <(tail -c +11 one) || fail "a LEX file to standard output differs"

# A pipe into a pipe: the records wait in a scratch file, not in memory,
# and come out as they would into a file.
"$VELKORD" prog.txt STDOUT /t > /dev/null
cat prog.txt | "$VELKORD" /dev/stdin /dev/stdout /t > got
same_bytes got STDOUT
if [ -x /usr/bin/time ]; then
    head -c 30000000 < <(yes '10 DISP "HELLO" @ GOTO 10') > big.txt
    "$VELKORD" big.txt STDOUT /t > /dev/null
    /usr/bin/time -o memory -f %M "$VELKORD" /dev/stdin /dev/stdout /t < <(cat big.txt) |
        cmp -s - STDOUT || fail "a large pipe into a pipe differs"
    # Measured against a run that reads nothing, so that a sanitizer's own
    # memory does not count.
    /usr/bin/time -o start -f %M "$VELKORD" /h > /dev/null
    [ "$(tail -n 1 memory)" -lt $(( $(tail -n 1 start) + 4096 )) ] ||
        fail "a pipe into a pipe took $(tail -n 1 memory) KiB, $(tail -n 1 start) at the start"
fi
