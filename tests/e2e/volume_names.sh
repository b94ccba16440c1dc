# One name, one file: a name on a volume means the files whose name field is
# exactly that name, or else the one field that matches it without regard
# to case; names that differ only in case are never taken for one another,
# and a name that could mean several is refused before anything changes.
source "$(dirname "$0")/common.sh"

unchanged() {
    same_bytes "$1" "$1.orig"
}

# NAME     TYPE START SECTORS DATE         NIBBLES
lif_volume c.lif CASES 1 "1 1 32" <<'ENTRIES'
sys1       E214 3     1       000000000000 100
SYS1       E218 4     1       000000000000 100
Mixed      E208 5     1       000000000000 100
mIXED      E208 6     1       000000000000 100
only       E208 7     1       000000000000 100
ENTRIES
pattern 100 > a.bin

# Read: the exact name first; one field without regard to case; several
# fields, none exactly: refused.
expect 0 "" c.lif/sys1 lower.lif /c
expect 0 "" c.lif/SYS1 upper.lif /c
[ "$(head -c 12 lower.lif | tail -c 2 | od -An -tx1 | tr -d ' ')" = e214 ] || fail "sys1 is not the BASIC file"
[ "$(head -c 12 upper.lif | tail -c 2 | od -An -tx1 | tr -d ' ')" = e218 ] || fail "SYS1 is not the FORTH file"
expect 0 "" c.lif/ONLY only.lif /c
cp c.lif c.lif.orig
expect 1 $'Error: mixed matches several files on c.lif\n' c.lif/mixed x.lif /c
expect 1 $'Error: MIXED matches several files on c.lif\n' c.lif/MIXED /p
unchanged c.lif
[ ! -e x.lif ] || fail "x.lif made from an ambiguous name"

# Replacing SYS1 leaves sys1; a name that matches two fields is refused.
expect 0 "" a.bin c.lif/SYS1
run c.lif /i
grep -q '^sys1       BASIC' printed || fail "sys1 went with SYS1: $(cat printed)"
[ "$(grep -c '^SYS1 ' printed)" = 1 ] && grep -q '^SYS1       LEX ' printed ||
    fail "SYS1 not replaced: $(cat printed)"
cp c.lif c.lif.orig
expect 1 $'Error: MIXED matches several files on c.lif\n' a.bin c.lif/mixed
unchanged c.lif

# Purging SYS1 purges SYS1 alone.
expect 0 "" c.lif/SYS1 /p
run c.lif /i
grep -q '^sys1 ' printed && ! grep -q '^SYS1 ' printed || fail "the wrong file purged: $(cat printed)"
