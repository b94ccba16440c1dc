#!/usr/bin/env bash
# Times velkord against a floor on the same inputs, side by side, and prints
# the median ratio of each case with its target, and the peak memory of the
# large cases. A benchmark, not a test: it passes or fails nothing.
#
# An output that replaces a file is flushed to the disk before it takes the
# file's place, so such cases are measured against a copy that does the
# same: durable_copy (bench/durable_copy.cpp) reads and writes a copy beside
# the destination, flushes it and renames it over. A new output is measured
# against cp.
#
#   bench/compare.sh [path/to/velkord] [rounds]
set -euo pipefail

tool=$(realpath "${1:-build/velkord}")
programs=$(realpath "$(dirname "$0")/../tests/data/basic/programs")
rounds=${2:-21}
[ -x "$tool" ] || { echo "no velkord at $tool: build it first" >&2; exit 2; }
source_folder=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"${CXX:-c++}" -O2 -o durable_copy "$source_folder/durable_copy.cpp"
durable=$PWD/durable_copy

# elapsed REPEAT OUTPUT COMMAND...: microseconds that REPEAT runs of COMMAND
# take, read from bash's clock rather than by starting a process. Each run overwrites OUTPUT; with fresh=1 it is removed before each
# run (untimed), so that every run makes a new file.
# A command in $prepare runs before each run, untimed too.
fresh=0
prepare=
elapsed() {
    local repeat=$1 output=$2 i start total=0
    shift 2
    for ((i = 0; i < repeat; i++)); do
        [ "$fresh" = 0 ] || rm -f "$output"
        [ -z "$prepare" ] || $prepare
        start=$EPOCHREALTIME
        "$@" > /dev/null
        total=$(( total + ${EPOCHREALTIME/[.,]/} - ${start/[.,]/} ))
    done
    echo "$total"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# compare LABEL TARGET REPEAT COPY_SOURCE -- VELKORD_ARGUMENTS...: runs the
# tool and the floor on COPY_SOURCE in turn, ROUNDS times, REPEAT runs
# each: cp into a new file where fresh=1, else durable_copy over an
# existing one, as the tool's output then replaces one.
compare() {
    local label=$1 target=$2 repeat=$3 source=$4 round tool_ns floor_ns floor=cp name=cp
    shift 5
    if [ "$fresh" = 0 ]; then
        floor=$durable
        name="durable copy"
        cp "$source" copy
    fi
    for ((round = 0; round < rounds; round++)); do
        tool_ns=$(elapsed "$repeat" "$2" "$tool" "$@")
        floor_ns=$(elapsed "$repeat" copy "$floor" "$source" copy)
        echo $(( tool_ns * 1000 / floor_ns ))
    done | median | awk -v label="$label" -v target="$target" -v name="$name" \
        '{ printf "%-34s velkord/%s = %.2f (target %s)\n", label, name, $1 / 1000, target }'
}

# against_help LABEL TARGET REPEAT -- VELKORD_ARGUMENTS...: as compare, with
# `velkord /h`, the least that any run costs, in place of cp.
against_help() {
    local label=$1 target=$2 repeat=$3 round tool_ns help_ns
    shift 4
    for ((round = 0; round < rounds; round++)); do
        tool_ns=$(elapsed "$repeat" none "$tool" "$@")
        help_ns=$(elapsed "$repeat" none "$tool" /h)
        echo $(( tool_ns * 1000 / help_ns ))
    done | median | awk -v label="$label" -v target="$target" \
        '{ printf "%-34s velkord/(velkord /h) = %.2f (target %s)\n", label, $1 / 1000, target }'
}

# against_durable_copy LABEL TARGET REPEAT IMAGE -- VELKORD_ARGUMENTS...: as
# compare, with a durable copy of IMAGE over another file, the least that
# replacing a whole image costs, as the floor. Before each run of either,
# untimed, the image is restored and everything flushed: a flush in the
# timed run would otherwise also write out the restored image.
restore_image() { cp "$1.orig" "$1" && sync; }
against_durable_copy() {
    local label=$1 target=$2 repeat=$3 image=$4 round tool_ns floor_ns
    shift 5
    cp "$image" rewritten.lif
    prepare="restore_image $image"
    for ((round = 0; round < rounds; round++)); do
        tool_ns=$(elapsed "$repeat" none "$tool" "$@")
        floor_ns=$(elapsed "$repeat" none "$durable" "$image" rewritten.lif)
        echo $(( tool_ns * 1000 / floor_ns ))
    done | median | awk -v label="$label" -v target="$target" \
        '{ printf "%-34s velkord/(durable copy) = %.2f (target %s)\n", label, $1 / 1000, target }'
    prepare=
    restore_image "$image"
}

# peak LABEL LIMIT_KIB VELKORD_ARGUMENTS...: the tool's peak resident memory.
peak() {
    local label=$1 limit=$2 kib
    shift 2
    kib=$(/usr/bin/time -f %M "$tool" "$@" 2>&1 > /dev/null | tail -n 1)
    printf '%-34s peak memory %d KiB (target at most %d KiB)\n' "$label" "$kib" "$limit"
}

# Short CR LF lines of BASIC, 64 MiB and 4 MiB of them.
awk 'BEGIN { srand(71); line = "10 DISP \"HELLO, WORLD\" @ GOSUB 200 ! say it again and again"
             for (size = 0; size < 1048576; size += n + 2) {
                 n = 10 + int(rand() * 60)
                 printf "%s\r\n", substr(line, 1, n) } }' > chunk.txt
for i in $(seq 64); do cat chunk.txt; done > text.txt
for i in $(seq 4); do cat chunk.txt; done > text4.txt

head -c 32768 /dev/urandom > small.bin
head -c 8388607 /dev/urandom > large.bin

compare "raw, 32 KiB" "at most 1.10" 20 small.bin -- small.bin small.lif
compare "raw, 8,388,607 bytes" "at most 1.10" 5 large.bin -- large.bin large.lif
peak "raw, 8,388,607 bytes" 4096 large.bin large.lif
"$tool" large.bin large.lif
compare "/x, 8,388,607 bytes" "at most 1.10" 5 large.lif -- large.lif large.out /x
peak "/x, 8,388,607 bytes" 4096 large.lif large.out /x
compare "TEXT, 4 MiB" "at most 1.80" 5 text4.txt -- text4.txt text4.lif /t
compare "TEXT, 64 MiB" "at most 1.80" 1 text.txt -- text.txt text.lif /t
peak "TEXT, 64 MiB" 4096 text.txt text.lif /t
kib=$(cat text.txt | /usr/bin/time -f %M "$tool" /dev/stdin /dev/stdout /t 2>&1 > /dev/null | tail -n 1)
printf '%-34s peak memory %d KiB (target at most %d KiB)\n' "TEXT, 64 MiB, pipe into a pipe" "$kib" 4096

# A BASIC program of 64 KB, the largest an HP-71B holds comfortably: the
# tokens of one line again and again, numbered 1 to 1680, after the
# program's header. Each line, after its number:
# X=A*B+SIN(C)/2 @ DISP "HELLO";X @ IF X>1 THEN 100
line='\x16\x58\xf1\x41\x42\x83\x43\x96\x32\x84\x87\xf4\x16\xc5\x22\x48\x45\x4c\x4c\x4f'
line+='\x22\xf2\x58\xf4\x18\xdf\x58\x31\x8a\x44\xff\x00\x00\x00\x00\x01\xf0'
{
    # 256 sectors, 131052 nibbles.
    printf 'BIGPROG   \xe2\x14\0\0\0\0\0\0\x01\0\0\0\0\0\0\0\x80\x01\xec\xff\x01\0'
    printf '\xff\xff\xff\xff\xff\xf0'
    for ((n = 1; n <= 1680; n++)); do
        printf -v low '%02d' $((n % 100))
        printf -v high '%02d' $((n / 100))
        printf "\\x$low\\x$high$line"
    done
    head -c $((256 * 256 - 6 - 1680 * 39)) /dev/zero | tr '\0' '\377'
} > basic.lif
against_help "list a 64 KB BASIC program" "at most 1.50" 20 -- basic.lif /dev/stdout /x /t
peak "list a 64 KB BASIC program" 4096 basic.lif /dev/stdout /x /t
against_help "the same into a file" "-" 20 -- basic.lif basic.txt /x /t

# A BASIC program of 2,000 lines made from its text, against a TEXT file
# made from the same text: the lines of the test programs again and again.
cat "$programs"/[MP][0-9][0-9].txt | sed 's/^[0-9]* //' |
    awk '{ lines[n++] = $0 } END { for (i = 1; i <= 2000; i++) print 2 * i " " lines[(i - 1) % n] }' \
    > program.bas
for ((round = 0; round < rounds; round++)); do
    basic_us=$(elapsed 20 none "$tool" program.bas PROGRAM /basic)
    text_us=$(elapsed 20 none "$tool" program.bas PROGRAMT /t)
    echo $((basic_us * 1000 / text_us))
done | median | awk '{ printf "%-34s /basic / /t = %.2f (target at most 3)\n", \
    "make a 2,000-line program", $1 / 1000 }'
peak "make a 2,000-line program" 4096 program.bas PROGRAM /basic

# A 64,000-sector (16 MB) volume of 500 files of 1 KiB (4 sectors) each,
# its directory 63 sectors long: the catalog reads only the label and the
# directory, and a file comes out without reading the rest.
be32() {
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 >> 24 & 255)) \
        $(($1 >> 16 & 255)) $(($1 >> 8 & 255)) $(($1 & 255)))"
}
{
    printf '\x80\0BENCH \0\0\0\2\x10\0\0\0\0\0\0\x3f\0\1\0\0'
    be32 250; be32 1; be32 256
    printf '\x26\x12\x08\x11\x30\0'
    head -c $((512 - 42)) /dev/zero
    for ((i = 0; i < 500; i++)); do
        printf 'FILE%-6d\xe2\x04' "$i"
        be32 $((65 + 4 * i)); be32 4
        printf '\x26\x12\x08\x11\x30\0\x80\x01\0\x08\0\0'
    done
    head -c $((63 * 256 - 500 * 32)) /dev/zero | tr '\0' '\377'
} > volume.lif
# Written in full, as a real image is: cp copies a sparse file's holes for
# nothing, which no user's image has.
head -c $((64000 * 256 - $(wc -c < volume.lif))) /dev/zero >> volume.lif
head -c 1024 /dev/urandom > onekb.bin
against_help "catalog, 500 files" "at most 1.50" 20 -- volume.lif /i
peak "catalog, 500 files" 4096 volume.lif /i
compare "/c of the last of 500 files" "at most 1.50" 20 onekb.bin -- volume.lif/FILE499 one.lif /c
peak "/c of the last of 500 files" 4096 volume.lif/FILE499 one.lif /c
cp volume.lif volume.lif.orig
against_durable_copy "put 1 KiB on it" "at most 1.10" 5 volume.lif -- onekb.bin volume.lif/NEW1K
peak "put 1 KiB on it" 4096 onekb.bin volume.lif/NEW1K
cp volume.lif.orig volume.lif
against_durable_copy "purge one of 500 files" "at most 1.10" 5 volume.lif -- volume.lif/FILE250 /p
peak "purge one of 500 files" 4096 volume.lif/FILE250 /p

# The same into new files: without the cost of replacing an existing file.
fresh=1
compare "raw, 32 KiB, new file" "at most 0.70" 20 small.bin -- small.bin small.lif
compare "raw, 8,388,607 bytes, new file" "-" 5 large.bin -- large.bin large.lif
compare "/x, 8,388,607 bytes, new file" "-" 5 large.lif -- large.lif large.out /x
compare "TEXT, 64 MiB, new file" "-" 1 text.txt -- text.txt text.lif /t
fresh=0

# 20 GiB of nothing (a sparse file): more than a LIF file holds, refused
# before any destination is touched.
truncate -s 20G sparse.txt
printf 'keep' > sparse.lif
start=${EPOCHREALTIME/[.,]/}
kib=$(/usr/bin/time -f %M "$tool" sparse.txt sparse.lif /t 2>&1 > said | tail -n 1 || true)
printf '%-34s peak memory %d KiB (target at most 4096 KiB), %.1f s\n' \
    "TEXT, 20 GiB sparse" "$kib" "$(( ${EPOCHREALTIME/[.,]/} - start ))e-6"
echo "  said: $(cat said)"
echo "  destination: $(cat sparse.lif); files left over: $(ls -A | grep -c '^\.velkord' || true)"
