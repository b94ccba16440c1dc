# The usage text, the two command-line errors, the decision order and the
# exit statuses, as a user sees them.
source "$(dirname "$0")/common.sh"

version=$(sed -n 's/^project(velkord VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
usage="VELKORD: add a 32-byte LIF header for file transfer to HP-71B
Syntax : VELKORD input_file LIF_file /[L|B|R|T]
         VELKORD input_file... LIF_volume[/NAME] /[L|B|R|T]
         VELKORD LIF_file /i
         VELKORD LIF_volume /i
         VELKORD LIF_file|LIF_volume... /i
         VELKORD LIF_file output_file /x
         VELKORD LIF_file output_file /x /t
         VELKORD LIF_file output_file /c
         VELKORD LIF_file|LIF_volume... folder|LIF_volume /c
         VELKORD LIF_volume/NAME... /p
         VELKORD LIF_volume /n
         A LIF_file may be a file on a volume, LIF_volume/NAME;
         - is standard input as an input, standard output as an output.
Options :
  /L : use HP-71B LEX  file type (default)
  /B : use HP-71B BIN  file type
  /R : use HP-71B ROM  file type
  /T : use HP-71B TEXT file type with data conversion
  /basic : make an HP-71B BASIC program from its text
  /i : display header information of LIF file
  /x : remove header from LIF file
  /x /t : turn an HP-71B TEXT file or BASIC program into lines
  /c : copy a LIF file as it is, into, out of or between LIF volumes
  /p : purge a file from a LIF volume
  /n : create an empty LIF volume
  /h : help
V$version - velkord, made by the velkord developers
"
no_name=$'Error: no file name\n'
no_destination=$'Error: no destination file name\n'

# The whole usage text, at most 30 lines of at most 79 columns.
for args in "/h" "/?" "/H" "/help" "a b /t /h" "/x /? a" "--help" "--HELP -x" "--version --Help"; do
    # shellcheck disable=SC2086
    expect 0 "$usage" $args
done
[ "$(printf '%s' "$usage" | wc -l)" -le 30 ] || fail "the usage text is over 30 lines"
[ -z "$(printf '%s' "$usage" | awk 'length($0) > 79')" ] || fail "a usage line is over 79 columns"
[ ! -e a ] && [ ! -e b ] || fail "help created a file"
expect 0 "velkord $version
" --version
expect 0 "velkord $version
" a b /t --VERSION -x

expect 1 "$no_name"
expect 1 "$no_name" /b /i /x
expect 1 "$no_name" ""
expect 1 "$no_destination" lonely
expect 1 "$no_destination" /t lonely /z

# Names longer than any fixed buffer reach the operation whole.
long=$(printf 'n%.0s' {1..300})
expect 1 "$long not found
" "$long" dest

# Any other word that begins with '-' is refused before anything is done;
# a file of that name is ./-t.
printf 'x' > -t
for args in "-t made.lif" "made.lif -t" "-x" "a b -i /x"; do
    word=$(printf '%s\n' $args | grep '^-' | head -n 1)
    # shellcheck disable=SC2086
    expect 1 "Error: $word is not an option: options begin with /; write ./$word for a file of that name
" $args
done
[ ! -e made.lif ] || fail "an unknown option made a file"
expect 0 "" ./-t made.lif
[ "$(wc -c < made.lif)" = 288 ] || fail "./-t was not taken as the input"

# '-' alone is standard input as an input and standard output as an
# output; the messages of a run that writes there go to standard error.
printf 'A\r\nB\n' > lines.txt
expect 0 "" - piped.lif /t < lines.txt
set +e
if [ -n "${VELKORD_RUNNER:-}" ]; then
    LC_ALL=C.UTF-8 $VELKORD_RUNNER "$VELKORD" piped.lif - /x /t > to_stdout 2> messages
else
    "$VELKORD" piped.lif - /x /t > to_stdout 2> messages
fi
set -e
printf 'A\nB\n' | cmp -s - to_stdout || fail "/x /t to -: $(od -c to_stdout)"
[ ! -s messages ] || fail "messages with the data: $(cat messages)"
rm lines.txt piped.lif to_stdout messages

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
only_files . -t a.txt b.txt c.txt made.lif printed .expected

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
expect 1 "Error: $PWD/x.LEX not found: make it first, with /n for a volume or mkdir for a folder
" two.txt OUT "$PWD/x.LEX"
expect 1 "$no_destination" two.txt /out.lif
