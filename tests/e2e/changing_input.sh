# An input that shrinks or grows while it is read: the header would not
# describe the data, so the run fails with a read error and no destination
# is replaced.
source "$(dirname "$0")/common.sh"
[ -z "${VELKORD_RUNNER:-}" ] || exit 0  # needs named pipes and /proc

# A file under /proc says it is empty and holds data.
if [ -r /proc/version ]; then
    for options in "" "/t"; do
        printf 'precious' > dest.lif
        # shellcheck disable=SC2086
        expect 1 $'read error in /proc/version\n' /proc/version dest.lif $options
        [ "$(cat dest.lif)" = precious ] || fail "dest.lif replaced"
    done
fi

# The tool measures its input, then waits to open a named pipe as its
# output; meanwhile the input changes.
waiting_for_reader() {
    local i
    for i in $(seq 100); do
        [ "$(cat "/proc/$1/wchan" 2> /dev/null)" = wait_for_partner ] && return
        sleep 0.05
    done
    sleep 0.5  # no wchan here: give it time
}
mkfifo out.pipe
awk 'BEGIN { for (i = 0; i < 4000; i++) print "10 DISP \"LINE\" @ GOTO 10" }' > text
for change in shrink grow; do
    for options in "" "/t"; do
        cp text input
        "$VELKORD" input out.pipe $options > printed &
        tool=$!
        waiting_for_reader "$tool"
        if [ "$change" = shrink ]; then
            truncate -s 50000 input
        else
            cat text >> input
        fi
        cat out.pipe > /dev/null
        status=0
        wait "$tool" || status=$?
        [ "$status" = 1 ] && [ "$(cat printed)" = "read error in input" ] ||
            fail "$change, options '$options': exit $status, printed $(cat printed)"
    done
done
