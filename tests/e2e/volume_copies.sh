# Copying a volume's files into a folder: names that differ only in the case
# of any letter are one name (as Windows, macOS and FAT media have it, on
# every system alike), an existing file is never replaced by a different
# one, a copy can be run again, and a directory too large to plan is
# refused before anything is written.
source "$(dirname "$0")/common.sh"

# The separator velkord joins a folder and a name with.
sep=/
[ -z "${VELKORD_RUNNER:-}" ] || sep='\'

# NAME     TYPE START SECTORS DATE         NIBBLES
lif_volume greek.lif GREEK 1 "1 1 32" <<'ENTRIES'
ΣΟΦΙΑ      E208 3     1       000000000000 2
σοφια      E208 4     1       000000000000 2
ENTRIES
lif_volume cyrillic.lif CYR 1 "1 1 32" <<'ENTRIES'
Прив       E208 3     1       000000000000 2
прив       E208 4     1       000000000000 2
ENTRIES
lif_volume accents.lif ACC 1 "1 1 32" <<'ENTRIES'
É          E208 3     1       000000000000 2
é          E208 4     1       000000000000 2
ENTRIES
lif_volume wide.lif WIDE 1 "1 1 32" <<'ENTRIES'
Ｘ         E208 3     1       000000000000 2
ｘ         E208 4     1       000000000000 2
ENTRIES
mkdir out
for case in "greek ΣΟΦΙΑ σοφια" "cyrillic Прив прив" "accents É é" "wide Ｘ ｘ"; do
    set -- $case
    expect 1 "Error: $2 and $3 would both be written as out$sep$2.LEX
" "$1.lif" out /c
done
only_files out

# From two volumes, each file is named with its volume.
lif_volume one.lif ONE 1 "1 1 32" <<'ENTRIES'
ROMCOPY    E208 3     1       000000000000 2
ENTRIES
lif_volume two.lif TWO 1 "1 1 32" <<'ENTRIES'
romcopy    E208 3     1       000000000000 2
ENTRIES
expect 1 "Error: one.lif/ROMCOPY and two.lif/romcopy would both be written as out${sep}ROMCOPY.LEX
" one.lif two.lif out /c
only_files out

# Again and again: what is there already with the same bytes is left as it
# is; a file that differs is never replaced, and then nothing is written.
lif_volume d.lif DISK 1 "1 1 32" <<'ENTRIES'
A          E208 3     1       000000000000 2
B          E214 4     2       000000000000 900
ENTRIES
expect 0 "" d.lif out /c
only_files out A.LEX B.BASIC
expect 0 "" d.lif out /c
expect 0 "" d.lif/B out /c
printf 'precious' > out/A.LEX
rm out/B.BASIC
expect 1 "Error: out${sep}A.LEX exists already and differs: remove it or copy into another folder
" d.lif out /c
only_files out A.LEX
[ "$(cat out/A.LEX)" = precious ] || fail "a different file was replaced"
# A file named on its own is replaced: the user named it.
expect 0 "" d.lif/A out/A.LEX /c

# A directory of more live files than a copy plans at once: 65,544 entries
# of no sectors in a sparse image, refused at once.
{
    printf '\x80\0HUGE  '; be32 2; printf '\x10\0\0\0'; be32 8193; printf '\0\1\0\0'
    be32 1; be32 1; be32 9000; head -c 6 /dev/zero
} > huge.lif
truncate -s $((9000 * 256)) huge.lif
printf 'A         \xe2\x08\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x80\x01\0\0\0\0' > entry
for _ in 1 2 3; do cat entry entry entry entry entry entry entry entry > entries; mv entries entry; done
head -c 256 entry > sector
for _ in $(seq 7); do cat entry entry > entries; mv entries entry; done
cat entry sector | dd of=huge.lif bs=256 seek=2 conv=notrunc status=none
mkdir many
expect 1 $'Error: huge.lif holds too many files (65544)\n' huge.lif many /c
only_files many

# Every name Windows reserves for a device gets a _ in front, on every
# system, so that a copy made anywhere can go onto a Windows disk.
lif_volume devices.lif DEV 1 "1 1 32" <<'ENTRIES'
CONIN$     E208 3     1       000000000000 2
conout$    E208 4     1       000000000000 2
COM0       E208 5     1       000000000000 2
LPT0       E208 6     1       000000000000 2
COM¹       E208 7     1       000000000000 2
lpt³       E208 8     1       000000000000 2
COM10      E208 9     1       000000000000 2
ENTRIES
mkdir devices
expect 0 "" devices.lif devices /c
only_files devices '_CONIN$.LEX' '_conout$.LEX' _COM0.LEX _LPT0.LEX _COM¹.LEX _lpt³.LEX COM10.LEX
