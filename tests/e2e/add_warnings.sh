# Adding a header to a LIF file or a volume, or under a name the HP-71B
# cannot use: the output is made all the same, and a warning says why it is
# likely a mistake. A run that fails says its error alone.
source "$(dirname "$0")/common.sh"

pattern 1000 > prog.bin
expect 0 "" prog.bin MINE.LEX
{ printf '\x80\0VOLUME\0\0\0\2\x10\0\0\0\0\0\0\1'; head -c 600 /dev/zero; } > disk.lif
mkdir sub

lif='Warning: MINE.LEX already begins with a LIF header'
volume='Warning: disk.lif is a LIF volume'
name='Warning: the HP-71B cannot use the file name'
# arguments | the lines printed
while IFS='|' read -r arguments printed; do
    set -- $arguments
    printed=$(printf '%b.' "$printed")  # the dot keeps the last line end
    expect 0 "${printed%.}" "$@"
    [ -s "$2" ] || fail "velkord $arguments made no output"
done <<CASES
MINE.LEX mine.bin|$lif\n
MINE.LEX MINE2 /t|$lif\n
disk.lif out.lex|$volume\n
prog.bin A1234567.lex|
prog.bin .hidden.lex|$name ""\n
prog.bin MY-PROG_V2|$name "MY-PROG_V2"\n
prog.bin 9LIVES /t|$name "9LIVES"\n
prog.bin averylongname.lex|$name "AVERYLONGN"\n
MINE.LEX sub/a_b.lex|$lif\n$name "A_B"\n
CASES

# The same slips, when the run fails, say only the failure.
expect 1 $'Error: no/such not found: make the volume first with /n\n' MINE.LEX no/such/9LIVES
