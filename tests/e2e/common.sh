# Helpers shared by the end-to-end tests. Each test runs the real binary
# ($VELKORD, run through $VELKORD_RUNNER when that is set) in a fresh
# temporary folder, which is removed when the test ends.
set -euo pipefail
export LC_ALL=C

: "${VELKORD:?VELKORD must name the velkord executable}"
work=$(mktemp -d)
mounts=()
cleanup() {
    local mount
    for mount in ${mounts[@]+"${mounts[@]}"}; do umount "$mount" || true; done
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
