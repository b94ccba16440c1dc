# Names outside ASCII, natively and under wine (whose Windows code page here
# is 1252): files found, made and refused by their own names, the same name
# bytes in every header, and messages that show the names as typed.
source "$(dirname "$0")/common.sh"

pattern 1000 > data.bin

# The name field holds the UTF-8 bytes of the name's own part, upper-casing
# only a-z; the file is made under exactly the name typed. The HP-71B knows
# no such names, and the warning shows the field as it is.
for case in "Œuvre.lex:\xc5\x92UVRE" "Łódź.lex:\xc5\x81\xc3\xb3D\xc5\xba" \
            "Übung.lex:\xc3\x9cBUNG" "日本:\xe6\x97\xa5\xe6\x9c\xac" \
            "sub/l’été.lif:L\xe2\x80\x99\xc3\xa9T\xc3\xa9"; do
    destination=${case%%:*}
    mkdir -p sub
    field=$(printf "${case#*:}")
    expect 0 "Warning: the HP-71B cannot use the file name \"$field\"
" data.bin "$destination"
    [ -f "$destination" ] || fail "$destination was not made under its name: $(ls)"
    { lif_header "$(printf "${case#*:}")" E208 4 2000; cat data.bin; ff 24; } > want.lif
    same_bytes "$destination" want.lif
done

# Back again with /x, and TEXT from a Japanese name to a Japanese name.
expect 0 "" Œuvre.lex Œuvre.bin /x
same_bytes Œuvre.bin data.bin
printf 'AB\r\nC\n' > 日本.txt
expect 0 $'Warning: the HP-71B cannot use the file name "日本"\n' 日本.txt 日本 /t
{ lif_header $'\xe6\x97\xa5\xe6\x9c\xac' 0001 1 0; printf '\0\2AB\0\1C\0'; ff 248; } > want.lif
same_bytes 日本 want.lif
expect 0 "File name = ŒUVRE    
File type = E208
File start sector   = 0
File len in sectors = 4
Implementation code = 8001
File length = 2000 nibbles (1000 bytes)
" Œuvre.lex /i

# A look-alike ASCII name never stands in for the one typed.
printf 'plain O' > Omega.bin
printf 'Greek Omega' > Ωmega.bin
expect 0 "" Ωmega.bin OM.LEX
{ lif_header OM E208 1 22; cat Ωmega.bin; ff 245; } > want.lif
same_bytes OM.LEX want.lif

# The same file under the same Unicode name is refused, and nothing lost.
printf 'un texte\n' > l’été.txt
cp l’été.txt keep.txt
expect 1 $'impossible to create l’été.txt: it is the input file\n' l’été.txt l’été.txt /t
same_bytes l’été.txt keep.txt
cp Œuvre.lex keep.lif
expect 1 $'impossible to create Œuvre.lex: it is the input file\n' Œuvre.lex Œuvre.lex /x
same_bytes Œuvre.lex keep.lif
expect 1 $'nowhere_é_日本.bin not found\n' nowhere_é_日本.bin x.lif
[ ! -e x.lif ] || fail "a missing input made its destination"

# A full path as Windows shows it, dragged into a console.
if [ -n "${VELKORD_RUNNER:-}" ] && command -v winepath > /dev/null; then
    full=$(LC_ALL=C.UTF-8 winepath -w "$PWD/Œuvre.bin" 2> /dev/null)
    expect 0 "" "$full" "${full%Œuvre.bin}PROG.LEX"
    { lif_header PROG E208 4 2000; cat data.bin; ff 24; } > want.lif
    same_bytes PROG.LEX want.lif
fi
