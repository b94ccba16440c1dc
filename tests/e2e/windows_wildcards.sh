# Wildcards on Windows, where cmd and PowerShell pass "*.txt" to the program
# as typed: velkord expands them as a Unix shell does. The script quotes each
# pattern, so that bash hands it on unexpanded.
source "$(dirname "$0")/common.sh"
[ -n "${VELKORD_RUNNER:-}" ] || exit 0

# blocks ARGS...: the "==> name <==" lines that /i prints for ARGS (for
# two files or more).
blocks() {
    run "$@" /i
    [ "$status" = 0 ] || fail "velkord $* /i: exit $status"
    grep '^==> ' printed | tr -d '\r'
}

# expect_blocks "ARGS" NAME...: /i on the words of ARGS, which bash does not
# expand, shows the files NAME..., in order.
expect_blocks() {
    local args shown
    read -ra args <<< "$1"
    shift
    shown=$(blocks "${args[@]}")
    [ "$shown" = "$(printf '==> %s <==\n' "$@")" ] ||
        fail "velkord ${args[*]} /i showed ${shown//$'\n'/ }, expected $*"
}

printf 'x' > in.bin
expect 0 "" in.bin one.lex
mkdir sub
for name in b.LEX A.lex c.lex D.lex _x.lex ab.lex .dot.lex secret.lex sub/b.lex sub/A.lex; do
    cp one.lex "$name"
done
rm one.lex
$VELKORD_RUNNER cmd /c attrib +h secret.lex

# The matches of a pattern, sorted by their folded names: D after c, which
# bytes would not give, and _ before A, which comparing in capitals, as wine
# lists a folder, would not. '?' is one character. Hidden files and dot
# files only for a pattern that begins with '.'.
expect_blocks '*.lex' _x.lex A.lex ab.lex b.LEX c.lex D.lex
expect_blocks '*.LEX' _x.lex A.lex ab.lex b.LEX c.lex D.lex
expect_blocks '?.lex' A.lex b.LEX c.lex D.lex
expect_blocks 'c.lex ??.lex' c.lex _x.lex ab.lex
expect_blocks 'c.lex .*.lex' c.lex .dot.lex

# A folder part is kept in front of each match as it was typed.
expect_blocks 'sub\*.lex' 'sub\A.lex' 'sub\b.lex'
expect_blocks 'sub/*.lex' sub/A.lex sub/b.lex
folder=$($VELKORD_RUNNER winepath -w "$work/sub" | tr -d '\r')
expect_blocks "$folder\\?.lex" "$folder\\A.lex" "$folder\\b.lex"

# What stays as it is: a pattern that matches nothing; one that matches
# only through a file's short 8.3 name (page.html is PAGE~XXX.HTM); a
# wildcard in the folder part; a quoted argument (wine quotes one that
# holds a space), though "x a.lex" would match it.
printf 'x' > page.html
cp A.lex "x a.lex"
for pattern in '*.zzz' '*.htm' 's*\A.lex' 'x *.lex'; do
    expect 1 "$pattern not found
" "$pattern" /i
done

# Options are never expanded: /? shows the usage, and -? is refused as what
# it is, even with a file -x there.
run '/?'
[ "$status" = 0 ] && grep -q '^Syntax : VELKORD' printed || fail "velkord /?: no usage text"
printf 'x' > -x
expect 1 "Error: -? is not an option: options begin with /; write ./-? for a file of that name
" '-?' out.lif
[ ! -e out.lif ] || fail "-? was expanded to -x"

# Text files onto a volume: the catalog lists them in the order of the
# expanded names.
printf 'one\r\n' > b.TXT
printf 'two\r\n' > A.txt
printf 'three\r\n' > c.txt
expect 0 "" GAMES.LIF /n
expect 0 "" '*.txt' GAMES.LIF /t
run GAMES.LIF /i
names=$(tr -d '\r' < printed | awk '$2 == "TEXT" { print $1 }' | tr '\n' ' ')
[ "$names" = "A B C " ] || fail "GAMES.LIF holds $names, expected A B C"
