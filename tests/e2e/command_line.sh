# The usage text, the two command-line errors, the decision order and the
# exit statuses, as a user sees them.
source "$(dirname "$0")/common.sh"

usage="VELKORD: add a 32-byte LIF header for file transfer to HP-71B
Syntax : VELKORD input_file LIF_file /[L|B|R|T]
         VELKORD LIF_file /i
         VELKORD LIF_file output_file /x
Options :
  /L : use HP-71B LEX  file type (default)
  /B : use HP-71B BIN  file type
  /R : use HP-71B ROM  file type
  /T : use HP-71B TEXT file type with data conversion
  /i : display header information of LIF file
  /x : remove header from LIF file
  /h : help
"
no_name=$'Error: no file name\n'
no_destination=$'Error: no destination file name\n'

for args in "/h" "/?" "/H" "/help" "a b /t /h" "/x /? a"; do
    # shellcheck disable=SC2086
    run $args
    [ "$status" = 0 ] || fail "velkord $args: exit $status"
    head -n 12 printed > usage12
    console "$usage" | cmp -s - usage12 || fail "velkord $args: usage text differs"
    [ "$(wc -l < printed)" = 13 ] || fail "velkord $args: usage is not 13 lines"
    tail -n 1 printed | grep -q '^V1\.2' || fail "velkord $args: no version line"
done
[ ! -e a ] && [ ! -e b ] || fail "help created a file"

expect 1 "$no_name"
expect 1 "$no_name" /b /i /x
expect 1 "$no_name" ""
expect 1 "$no_destination" lonely
expect 1 "$no_destination" /t lonely /z

# Names longer than any fixed buffer reach the operation whole.
long=$(printf 'n%.0s' {1..300})
expect 1 "$long not found
" "$long" dest

# -t is a file name, not an option.
printf 'x' > -t
expect 0 "" -t made.lif
[ "$(wc -c < made.lif)" = 288 ] || fail "-t was not taken as the input"
