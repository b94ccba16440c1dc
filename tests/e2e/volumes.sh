# LIF volumes: the catalog, files on a volume named as DISK.LIF/NAME for
# /i, /x, /x /t, /c and as an input, copying every file into a folder, and
# damaged volumes read safely.
source "$(dirname "$0")/common.sh"

# NAME     TYPE START SECTORS DATE         NIBBLES
lif_volume disk.lif HP71 2 "2 1 32" <<'ENTRIES'
SYS1       E214 4     1       000102011557 443
OLD        0000 5     2       000000000000 1000
NOTES      0001 7     1       210102105402 0
JOESBEST   E21C 8     3       201222163143 1536
DATA1      E0F1 11    1       000000000000 0
ENTRIES
# NOTES holds two records and the end mark. After the end mark a stray
# entry, which is no part of the directory.
{ printf '\0\5HELLO\0\0\2HI\xff\xff'; ff 242; } | dd of=disk.lif bs=256 seek=7 conv=notrunc status=none
printf 'GHOST     \xe2\x08' | dd of=disk.lif bs=32 seek=$((16 + 6)) conv=notrunc status=none

catalog="Volume label = HP71
Volume size = 64 sectors
Directory = 2 sectors at sector 2
NAME       TYPE  CODE    START  SECTORS     BYTES  DATE
SYS1       BASIC E214        4        1       222  2000-01-02 01:15:57
NOTES      TEXT  0001        7        1       256  2021-01-02 10:54:02
JOESBEST   ROM   E21C        8        3       768  2020-12-22 16:31:43
DATA1      -     E0F1       11        1       256  -
4 files, 54 sectors free
"
expect 0 "$catalog" disk.lif /i

# HP-71B-written volumes have 0 in bytes 12-13, some media no geometry: the
# size is then what the image holds (12 sectors).
cp disk.lif bare.lif
printf '\0\0' | dd of=bare.lif bs=1 seek=12 conv=notrunc status=none
head -c 12 /dev/zero | dd of=bare.lif bs=1 seek=24 conv=notrunc status=none
bare=${catalog/64 sectors/12 sectors}
expect 0 "${bare/54 sectors free/2 sectors free}" bare.lif /i

# A file named on a volume, whatever the case, up to its first '.'.
sys1="File name = SYS1      
File type = E214
File start sector   = 0
File len in sectors = 1
Implementation code = 8001
File length = 443 nibbles (222 bytes)
File date = 2000-01-02 01:15:57
"
for name in disk.lif/SYS1 disk.lif/sys1 disk.lif/Sys1.bas; do
    expect 0 "$sys1" "$name" /i
done
for name in disk.lif/NOPE disk.lif/OLD disk.lif/GHOST disk.lif/ disk.lif/X/SYS1; do
    expect 1 "$name not found
" "$name" /i
done

# /x and /x /t by the rules for a single file; /c gives that single file:
# its entry as the header, start sector 0, then its sectors.
expect 0 $'disk.lif/SYS1 is a BASIC program: add /t to list it\n' disk.lif/SYS1 sys1.bin /x
file_data SYS1 1 > sys1.all
head -c 222 sys1.all | cmp - sys1.bin || fail "/x of SYS1"
expect 0 "" disk.lif/notes notes.txt /x /t
printf 'HELLO\nHI\n' | cmp - notes.txt || fail "/x /t of NOTES"
expect 0 "" disk.lif/SYS1 SYS1.LIF /c
{ dd if=disk.lif bs=1 skip=512 count=12 status=none; printf '\0\0\0\0'
  dd if=disk.lif bs=1 skip=528 count=16 status=none; file_data SYS1 1; } > want
same_bytes SYS1.LIF want
expect 0 $'SYS1.LIF is a BASIC program: add /t to list it\n' SYS1.LIF again.bin /x
same_bytes again.bin sys1.bin
# As the input of the add operation it is that single LIF file.
expect 0 $'Warning: disk.lif/SYS1 already begins with a LIF header\n' disk.lif/SYS1 twice.lex
[ "$(wc -c < twice.lex)" = $((32 + 512)) ] || fail "disk.lif/SYS1 as an input"

# A whole volume is refused where a file is wanted; the same file, too. To
# a name that does not exist, /c would copy every file of it into a folder.
for options in "/x" "/x /t"; do
    # shellcheck disable=SC2086
    expect 1 $'disk.lif is a LIF volume: name a file on it as disk.lif/NAME\n' disk.lif out.bin $options
done
expect 1 $'Error: out.bin is not a folder: to copy every file of disk.lif, make the folder first\n' \
    disk.lif out.bin /c
printf 'x' > exists.bin
expect 1 $'disk.lif is a LIF volume: name a file on it as disk.lif/NAME\n' disk.lif exists.bin /c
rm exists.bin
[ ! -e out.bin ] || fail "a whole volume made an output"
expect 1 $'impossible to create disk.lif: it is the input file\n' disk.lif/SYS1 disk.lif /c
printf 'short' > not.lif
expect 1 $'not.lif is not a LIF file\n' not.lif out.lif /c

# Every file into a folder, named after its name and type, with what a file
# name cannot hold as '_' and a Windows device name guarded.
lif_volume odd.lif ODD 1 "1 1 16" <<'ENTRIES'
A:B*C      E208 3     1       000000000000 512
CON        E20C 4     1       000000000000 2
ENTRIES
mkdir folder
expect 0 "" disk.lif odd.lif/CON folder /c
only_files folder SYS1.BASIC NOTES.TEXT JOESBEST.ROM DATA1.E0F1 _CON.KEY
same_bytes folder/SYS1.BASIC SYS1.LIF
expect 0 "" odd.lif folder /copy
[ -f folder/A_B_C.LEX ] || fail "A:B*C was not written as A_B_C.LEX: $(ls folder)"
# Names that differ only in case would give one file: refused, nothing written.
lif_volume twins.lif TWINS 1 "1 1 16" <<'ENTRIES'
PROG       E208 3     1       000000000000 2
prog       E208 4     1       000000000000 2
ENTRIES
mkdir empty
sep=/
[ -z "${VELKORD_RUNNER:-}" ] || sep='\'  # as Windows joins a folder and a name
expect 1 "Error: PROG and prog would both be written as empty${sep}PROG.LEX
" twins.lif empty /c
only_files empty
expect 1 $'Error: out.lif not found: make it first, with /n for a volume or mkdir for a folder\n' \
    disk.lif/SYS1 disk.lif/NOTES out.lif /c
# Only /c and /copy copy: any other /c... is an unknown option.
expect 0 $'Warning: disk.lif is a LIF volume\n' disk.lif /cc out.lex

# An image cut within a file (here within JOESBEST, and before DATA1): the
# catalog is whole and says so; /x gives what there is of a file, but /c
# copies no file that is not whole, so that no copy claims sectors it lacks.
head -c $((9 * 256 + 100)) disk.lif > cut.lif
expect 0 "${catalog}Warning: cut.lif is cut short: it ends inside or before 2 of its files
" cut.lif /i
expect 1 $'read error in cut.lif/JOESBEST\n' cut.lif/JOESBEST joe.bin /x
file_data JOESBEST 2 > joe.all
head -c 356 joe.all | cmp - joe.bin || fail "the part of JOESBEST there"
mkdir cutout
expect 1 $'read error in cut.lif/JOESBEST\nread error in cut.lif/DATA1\n' cut.lif cutout /c
only_files cutout SYS1.BASIC NOTES.TEXT
same_bytes cutout/SYS1.BASIC SYS1.LIF
expect 1 $'read error in cut.lif/JOESBEST\n' cut.lif/JOESBEST joe.lif /c
[ ! -e joe.lif ] || fail "a copy of a file that is not whole"
# Onto another volume, all or nothing: no file goes on.
expect 0 "" target.lif /n
cp target.lif target.orig
expect 1 $'read error in cut.lif/JOESBEST\n' cut.lif/SYS1 cut.lif/JOESBEST target.lif /c
same_bytes target.lif target.orig
# A volume that ends at its last file's last sector is whole.
head -c $((12 * 256)) disk.lif > whole.lif
expect 0 "$catalog" whole.lif /i

# A full directory has no end mark; nothing is wrong with it.
lif_volume full.lif FULL 1 "1 1 16" <<'ENTRIES'
F1         E208 3     1       000000000000 2
F2         E208 4     1       000000000000 2
F3         E208 5     1       000000000000 2
F4         E208 6     1       000000000000 2
F5         E208 7     1       000000000000 2
F6         E208 8     1       000000000000 2
F7         E208 9     1       000000000000 2
F8         E208 10    1       000000000000 2
ENTRIES
run full.lif /i
[ "$status" = 0 ] && grep -q '^F8 ' printed && grep -q '^8 files, 5 sectors free' printed &&
    ! grep -q Warning printed || fail "a full directory: $(cat printed)"

# Damaged volumes: listed as far as they can be read, then a warning.
damaged() {
    run "$1" /i
    [ "$status" = 0 ] && [ "$(tail -n 1 printed | tr -d '\r')" = "Warning: $1 is a damaged LIF volume" ] ||
        fail "$1: exit $status, $(cat printed)"
}
head -c $((512 + 64)) disk.lif > cut_directory.lif  # cut before the end mark
damaged cut_directory.lif
grep -q '^SYS1 ' printed || fail "entries before the cut are listed"
cp disk.lif huge_directory.lif  # 0xFFFFFFFF sectors of directory
printf '\xff\xff\xff\xff' | dd of=huge_directory.lif bs=1 seek=16 conv=notrunc status=none
damaged huge_directory.lif
lif_volume overlap.lif BAD 1 "1 1 16" <<'ENTRIES'
ONE        E208 3     2       000000000000 2
TWO        E208 4     1       000000000000 2
ENTRIES
damaged overlap.lif
expect 0 "" overlap.lif/TWO two.bin /x  # a file inside the image still comes out
lif_volume on_directory.lif BAD 2 "1 1 16" <<'ENTRIES'
ONE        E208 3     1       000000000000 2
ENTRIES
damaged on_directory.lif
lif_volume beyond.lif BAD 1 "1 1 16" <<'ENTRIES'
ONE        E208 15    2       000000000000 2
ENTRIES
damaged beyond.lif
