# Helpers shared by the end-to-end tests. Each test runs the real binary
# ($VELKORD, run through $VELKORD_RUNNER when that is set) in a fresh
# temporary folder, which is removed when the test ends.
set -euo pipefail
export LC_ALL=C

: "${VELKORD:?VELKORD must name the velkord executable}"
work=$(mktemp -d)
mounts=()
links=()
cleanup() {
    local mount link
    for mount in ${mounts[@]+"${mounts[@]}"}; do umount "$mount" || true; done
    for link in ${links[@]+"${links[@]}"}; do rm -f "$link"; done
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# run ARGS...: runs the tool; its standard output goes to the file "printed" and
# its exit status to $status.
run() {
    set +e
    if [ -n "${VELKORD_RUNNER:-}" ]; then
        # Wine hands names to the program unchanged only under a UTF-8 locale;
        # its Windows code page stays 1252, the case the tool must survive.
        LC_ALL=C.UTF-8 $VELKORD_RUNNER "$VELKORD" "$@" > printed
    else
        "$VELKORD" "$@" > printed
    fi
    status=$?
    set -e
}

# call ARGS...: runs the tool as run does, its output and status its own, so
# that several may run at once.
call() {
    if [ -n "${VELKORD_RUNNER:-}" ]; then
        LC_ALL=C.UTF-8 $VELKORD_RUNNER "$VELKORD" "$@"
    else
        "$VELKORD" "$@"
    fi
}

# console TEXT: prints TEXT as the tool prints its lines: with CR LF on
# Windows.
console() {
    if [ -n "${VELKORD_RUNNER:-}" ]; then
        printf '%s' "$1" | sed 's/$/\r/'
    else
        printf '%s' "$1"
    fi
}

# expect STATUS TEXT ARGS...: runs the tool and checks its exit status and
# every byte it prints.
expect() {
    local want_status=$1 want_text=$2
    shift 2
    run "$@"
    console "$want_text" > .expected
    cmp -s .expected printed || fail "velkord $*: printed $(od -c printed), expected $(od -c .expected)"
    [ "$status" = "$want_status" ] || fail "velkord $*: exit $status, expected $want_status"
}

# same_bytes FILE EXPECTED: the file holds exactly the expected bytes.
same_bytes() {
    cmp "$1" "$2" >&2 || fail "$1 differs from $2"
}

# full_disk: makes "full" a link to a device that refuses every write, where
# there is one and the tool writes to it directly (not through wine).
full_disk() {
    [ -w /dev/full ] && [ -z "${VELKORD_RUNNER:-}" ] && ln -s /dev/full full
}

# drive_letter LETTER...: under wine, makes the first free one of these drive
# letters lead to this folder (as SUBST or a mapped network drive does on
# Windows) and puts it in $drive, and its link in $drive_link; it goes when
# the test ends.
dosdevices=${WINEPREFIX:-$HOME/.wine}/dosdevices
drive_letter() {
    local letter
    for letter; do
        if ln -s "$work" "$dosdevices/$letter:" 2> /dev/null; then
            drive=$letter
            drive_link=$dosdevices/$letter:
            links+=("$drive_link")
            return
        fi
    done
    fail "no free drive letter in $dosdevices"
}

# small_disk DIR: mounts a 64 KiB file system on the new folder DIR, where the
# test may (as root); fails with a message otherwise.
small_disk() {
    mkdir "$1"
    if [ "$(id -u)" = 0 ] && mount -t tmpfs -o size=64k velkord-test "$1" 2> /dev/null; then
        mounts+=("$work/$1")
    else
        echo "SKIP: no small file system (mounting one needs root)" >&2
        return 1
    fi
}

# only_files DIR NAME...: DIR holds exactly the named files, nothing left over.
only_files() {
    local dir=$1
    shift
    [ "$(cd "$dir" && ls -A | sort)" = "$(printf '%s\n' "$@" | sort)" ] ||
        fail "$dir holds $(ls -A "$dir" | tr '\n' ' '), expected $*"
}

# ff N: prints N bytes of 0xFF.
ff() {
    head -c "$1" /dev/zero | tr '\0' '\377'
}

# pattern N: prints N bytes that run through every byte value.
pattern() {
    awk -v n="$1" 'BEGIN { for (i = 0; i < n; i++) printf "%c", i % 256 }'
}

# lif_header NAME TYPE SECTORS NIBBLES: the 32 header bytes; NAME fills the
# 10-byte field with spaces, TYPE is four hex digits, the counts decimal.
lif_header() {
    local s=$3 n=$4
    printf '%-10.10s' "$1"
    printf "\\x${2:0:2}\\x${2:2:2}\\0\\0\\0\\0\\0"
    printf "$(printf '\\x%02x\\x%02x\\x%02x' $((s >> 16 & 255)) $((s >> 8 & 255)) $((s & 255)))"
    printf '\0\0\0\0\0\0\x80\x01'
    printf "$(printf '\\x%02x\\x%02x\\x%02x' $((n & 255)) $((n >> 8 & 255)) $((n >> 16 & 255)))"
    printf '\0'
}

# be32 N: the 4 bytes of N, most significant first.
be32() {
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 >> 24 & 255)) $(($1 >> 16 & 255)) \
        $(($1 >> 8 & 255)) $(($1 & 255)))"
}

# hex_bytes HEX: the bytes that the hex digits HEX stand for.
hex_bytes() {
    printf "$(printf '%s' "$1" | sed 's/../\\x&/g')"
}

# file_data NAME SECTORS: the bytes of a file NAME on a test volume.
file_data() {
    head -c $(($2 * 256)) < <(yes "$1")
}

# lif_volume FILE LABEL DIRECTORY_SECTORS "TRACKS SURFACES SECTORS" < ENTRIES:
# writes a LIF volume: its label (bytes 12-13 0x1000), sector 1 zero, the
# directory at sector 2 holding one entry per line of ENTRIES, then 0xFF (the
# end mark) to its end, and each file's sectors (file_data). A line is
# NAME TYPE START SECTORS DATE NIBBLES, TYPE and DATE (12 digits) in hex, the
# rest decimal; TYPE 0000 is a purged file. The image ends after the
# directory or the last file's sectors, whichever comes later.
lif_volume() {
    local file=$1 directory=$3 geometry=($4) slot=0 name type start sectors date nibbles
    {
        printf '\x80\0%-6.6s' "$2"
        be32 2
        printf '\x10\0\0\0'
        be32 "$directory"
        printf '\0\1\0\0'
        be32 "${geometry[0]}"
        be32 "${geometry[1]}"
        be32 "${geometry[2]}"
        printf '\x26\x12\x08\x11\x30\0'
        head -c $((512 - 42)) /dev/zero
        ff $((directory * 256))
    } > "$file"
    while read -r name type start sectors date nibbles; do
        {
            printf '%-10.10s' "$name"
            hex_bytes "$type"
            be32 "$start"
            be32 "$sectors"
            hex_bytes "$date"
            printf '\x80\x01'
            printf "$(printf '\\x%02x\\x%02x\\x%02x' $((nibbles & 255)) \
                $((nibbles >> 8 & 255)) $((nibbles >> 16 & 255)))\\0"
        } | dd of="$file" bs=32 seek=$((16 + slot)) conv=notrunc status=none
        file_data "$name" "$sectors" | dd of="$file" bs=256 seek="$start" conv=notrunc status=none
        slot=$((slot + 1))
    done
}
