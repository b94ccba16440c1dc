#!/usr/bin/env bash
# Compares two builds of velkord on the same inputs, interleaved: for each
# case, ROUNDS rounds in which both builds run REPEAT times in turn, and the
# median ratio NEW/OLD. A change that should cost nothing shows about 1.00.
#
#   bench/ab.sh OLD_VELKORD NEW_VELKORD [rounds]
set -euo pipefail
old=$(realpath "$1")
new=$(realpath "$2")
rounds=${3:-21}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# elapsed REPEAT COMMAND...: microseconds that REPEAT runs take; $prepare,
# when set, runs before each (untimed).
prepare=
elapsed() {
    local repeat=$1 i start total=0
    shift
    for ((i = 0; i < repeat; i++)); do
        [ -z "$prepare" ] || $prepare
        start=$EPOCHREALTIME
        "$@" > /dev/null
        total=$((total + ${EPOCHREALTIME/[.,]/} - ${start/[.,]/}))
    done
    echo "$total"
}

# ab LABEL REPEAT ARGUMENTS...: both builds with the same arguments.
ab() {
    local label=$1 repeat=$2 round old_us new_us
    shift 2
    for ((round = 0; round < rounds; round++)); do
        old_us=$(elapsed "$repeat" "$old" "$@")
        new_us=$(elapsed "$repeat" "$new" "$@")
        echo $((new_us * 1000 / old_us))
    done | sort -n | awk -v label="$label" '{ v[NR] = $1 }
        END { printf "%-32s new/old = %.3f\n", label, v[int((NR + 1) / 2)] / 1000 }'
}

head -c 32768 /dev/urandom > small.bin
head -c 8388607 /dev/urandom > large.bin
awk 'BEGIN { srand(71); line = "10 DISP \"HELLO, WORLD\" @ GOSUB 200 ! say it again and again"
             for (size = 0; size < 4194304; size += n + 2) {
                 n = 10 + int(rand() * 60)
                 printf "%s\r\n", substr(line, 1, n) } }' > text.txt
ab "add a header, 32 KiB" 20 small.bin small.lif /b
ab "add a header, 8 MiB" 3 large.bin large.lif /b
ab "TEXT, 4 MiB" 3 text.txt text.lif /t

# A volume of 500 files in 64,000 sectors, written in full.
"$old" volume.lif /n > /dev/null
head -c 1024 /dev/urandom > onekb.bin
for ((i = 0; i < 500; i++)); do printf 'FILE%d.bin ' "$i"; done > names
for ((i = 0; i < 500; i++)); do cp onekb.bin "FILE$i.bin"; done
# shellcheck disable=SC2046
"$old" $(cat names) volume.lif /b > /dev/null
ab "catalog, 500 files" 20 volume.lif /i
cp volume.lif volume.orig
restore() { cp volume.orig volume.lif; }
prepare=restore
ab "put 1 KiB on a volume" 10 onekb.bin volume.lif/NEW1K
prepare=
