#!/usr/bin/env bash
# Times velkord against cp on the same inputs, side by side, and prints the
# median ratio of each case with its target, and the peak memory of the
# large cases. A benchmark, not a test: it passes or fails nothing.
#
#   bench/compare.sh [path/to/velkord] [rounds]
set -euo pipefail

tool=$(realpath "${1:-build/velkord}")
rounds=${2:-21}
[ -x "$tool" ] || { echo "no velkord at $tool: build it first" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# elapsed REPEAT OUTPUT COMMAND...: microseconds that REPEAT runs of COMMAND
# take, read from bash's clock rather than by starting a process. Each run overwrites OUTPUT; with fresh=1 it is removed before each
# run (untimed), so that every run makes a new file.
fresh=0
elapsed() {
    local repeat=$1 output=$2 i start total=0
    shift 2
    for ((i = 0; i < repeat; i++)); do
        [ "$fresh" = 0 ] || rm -f "$output"
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
# tool and `cp COPY_SOURCE copy` in turn, ROUNDS times, REPEAT runs each.
compare() {
    local label=$1 target=$2 repeat=$3 source=$4 round tool_ns cp_ns
    shift 5
    for ((round = 0; round < rounds; round++)); do
        tool_ns=$(elapsed "$repeat" "$2" "$tool" "$@")
        cp_ns=$(elapsed "$repeat" copy cp "$source" copy)
        echo $(( tool_ns * 1000 / cp_ns ))
    done | median | awk -v label="$label" -v target="$target" \
        '{ printf "%-34s velkord/cp = %.2f (target %s)\n", label, $1 / 1000, target }'
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

compare "raw, 32 KiB" "at most 0.70" 20 small.bin -- small.bin small.lif
compare "raw, 8,388,607 bytes" "at most 1.20" 5 large.bin -- large.bin large.lif
peak "raw, 8,388,607 bytes" 4096 large.bin large.lif
"$tool" large.bin large.lif
compare "/x, 8,388,607 bytes" "at most 1.20" 5 large.lif -- large.lif large.out /x
peak "/x, 8,388,607 bytes" 4096 large.lif large.out /x
compare "TEXT, 4 MiB" "at most 1.50" 5 text4.txt -- text4.txt text4.lif /t
compare "TEXT, 64 MiB" "at most 2.00" 1 text.txt -- text.txt text.lif /t
peak "TEXT, 64 MiB" 4096 text.txt text.lif /t
kib=$(cat text.txt | /usr/bin/time -f %M "$tool" /dev/stdin /dev/stdout /t 2>&1 > /dev/null | tail -n 1)
printf '%-34s peak memory %d KiB (target at most %d KiB)\n' "TEXT, 64 MiB, pipe into a pipe" "$kib" 4096

# The same into new files: without the cost of replacing an existing file.
fresh=1
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
