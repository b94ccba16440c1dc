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
cd "$work"   # names stay relative: a name that begins with '/' is an option

# elapsed REPEAT COMMAND...: nanoseconds that REPEAT runs of COMMAND take.
elapsed() {
    local repeat=$1 i start
    shift
    start=$(date +%s%N)
    for ((i = 0; i < repeat; i++)); do "$@" > /dev/null; done
    echo $(( $(date +%s%N) - start ))
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
        tool_ns=$(elapsed "$repeat" "$tool" "$@")
        cp_ns=$(elapsed "$repeat" cp "$source" copy)
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

# A 64 MiB text of short and long lines, some of them longer than a record.
awk 'BEGIN { srand(71); line = "10 DISP \"HELLO, WORLD\" @ GOSUB 200 ! say it"
             while (length(line) < 9000) line = line line
             for (size = 0; size < 1048576; size += n + 2) {
                 n = (rand() < 0.02) ? int(rand() * 9000) : int(rand() * 80)
                 printf "%s\r\n", substr(line, 1, n) } }' > chunk.txt
for i in $(seq 64); do cat chunk.txt; done > text.txt

head -c 32768 /dev/urandom > small.bin
head -c 8388607 /dev/urandom > large.bin

compare "raw, 32 KiB" "at most 1.00" 20 small.bin -- small.bin small.lif
compare "raw, 8,388,607 bytes" "at most 1.50" 5 large.bin -- large.bin large.lif
peak "raw, 8,388,607 bytes" $(( 8388607 / 1024 + 4096 )) large.bin large.lif
"$tool" large.bin large.lif
compare "/x, 8,388,607 bytes" "at most 1.50" 5 large.lif -- large.lif large.out /x
compare "TEXT, 64 MiB" "at most 2.00" 1 text.txt -- text.txt text.lif /t
peak "TEXT, 64 MiB" $(( $(wc -c < text.lif) * 3 / 2 / 1024 )) text.txt text.lif /t
