# The usage text, the two command-line errors, the decision order and the
# exit statuses, as a user sees them.
source "$(dirname "$0")/common.sh"

usage="VELKORD: add a 32-byte LIF header for file transfer to HP-71B
Syntax : VELKORD input_file LIF_file /[L|B|R|T]
         VELKORD LIF_file /i
         VELKORD LIF_volume /i
         VELKORD LIF_file output_file /x
Options :
  /L : use HP-71B LEX  file type (default)
  /B : use HP-71B BIN  file type
  /R : use HP-71B ROM  file type
  /T : use HP-71B TEXT file type with data conversion
  /i : display header information of LIF file
  /x : remove header from LIF file
  /x /t : turn an HP-71B TEXT file or BASIC program into lines
  /c : copy a LIF file as it is, into, out of or between LIF volumes
  /p : purge a file from a LIF volume
  /n : create an empty LIF volume
  /h : help
"
no_name=$'Error: no file name\n'
no_destination=$'Error: no destination file name\n'

for args in "/h" "/?" "/H" "/help" "a b /t /h" "/x /? a"; do
    # shellcheck disable=SC2086
    run $args
    [ "$status" = 0 ] || fail "velkord $args: exit $status"
    head -n 17 printed > usage17
    console "$usage" | cmp -s - usage17 || fail "velkord $args: usage text differs"
    [ "$(wc -l < printed)" = 18 ] || fail "velkord $args: usage is not 18 lines"
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

# A wildcard that gives three names changes nothing: the last one is not
# taken as an output that the user never named.
too_many=$'Error: too many file names\n'
printf 'a\n' > a.txt
printf 'b\n' > b.txt
printf 'c\n' > c.txt
for options in "/t" "" "/x" "/x /t" "/b /x"; do
    # shellcheck disable=SC2086
    expect 1 "$too_many" *.txt $options
done
[ "$(cat a.txt b.txt c.txt)" = $'a\nb\nc' ] || fail "a wildcard changed a file"
only_files . -t a.txt b.txt c.txt made.lif printed .expected usage17

# A second '/' makes an absolute path out of an option, in any position;
# without one, an argument that begins with '/' stays an option.
[ -z "${VELKORD_RUNNER:-}" ] || exit 0
printf 'AB\r\nC\n' > two.txt
expect 0 "" "$PWD/two.txt" "$PWD/TWO" /t
{ lif_header TWO 0001 1 0; printf '\0\2AB\0\1C\0'; ff 248; } > want
same_bytes TWO want
expect 0 "" /t "$PWD/TWO" "$PWD/two.back" /x
printf 'AB\nC\n' | cmp -s - two.back || fail "/x /t of an absolute path"

expect 0 "File name = TWO       
File type = 0001
File start sector   = 0
File len in sectors = 1
Implementation code = 8001
File length = 0 nibbles (0 bytes)
" "$PWD/TWO" /i
expect 1 "$too_many" two.txt OUT "$PWD/x.LEX"
expect 1 "$no_destination" two.txt /out.lif
