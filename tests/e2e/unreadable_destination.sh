# An existing file that velkord must look at to know what it is (is the last
# name a volume?) and may not read is not replaced: it might be a volume,
# the only copy of a disk. Runs as a user other than root, who can read
# anything; skips itself where it cannot become one.
source "$(dirname "$0")/common.sh"
[ -z "${VELKORD_RUNNER:-}" ] || exit 0  # permissions of this kind are POSIX ones

if [ "$(id -u)" != 0 ]; then
    as_user() { "$@"; }
elif command -v setpriv > /dev/null && setpriv --reuid=65534 --regid=65534 --clear-groups true 2> /dev/null; then
    as_user() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
    chmod 777 "$work"
else
    echo "SKIP: no way to run as a user other than root" >&2
    exit 0
fi

# expect_as_user STATUS TEXT ARGS...: as expect, run as that user.
expect_as_user() {
    local want_status=$1 want_text=$2
    shift 2
    set +e
    as_user "$VELKORD" "$@" > printed
    status=$?
    set -e
    printf '%s' "$want_text" | cmp -s - printed || fail "velkord $*: printed $(cat printed)"
    [ "$status" = "$want_status" ] || fail "velkord $*: exit $status, expected $want_status"
}

printf 'HELLO\n' > hello.txt
chmod 644 hello.txt
expect_as_user 0 "" vol.lif /n
cp vol.lif vol.lif.orig
chmod 200 vol.lif
for args in "hello.txt vol.lif /t" "hello.txt vol.lif" "hello.txt hello.txt vol.lif /t"; do
    expect_as_user 1 $'Error: vol.lif cannot be read, so it is not replaced\n' $args
done
chmod 600 vol.lif
same_bytes vol.lif vol.lif.orig
