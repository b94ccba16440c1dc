# Windows names under wine: one file reached through another drive letter or
# spelling, device names as outputs, a hidden file replaced, and paths longer
# than MAX_PATH.
source "$(dirname "$0")/common.sh"
[ -n "${VELKORD_RUNNER:-}" ] || exit 0

# attributes FILE: the letters (A, H, R...) that Windows shows for FILE.
attributes() {
    $VELKORD_RUNNER cmd /c attrib "$1" | tr -d '\r' | sed 's/ [A-Za-z]:\\.*//' | tr -d ' '
}

# want NAME: the file that in.bin becomes under the header name NAME.
want() {
    { lif_header "$1" E208 4 2000; cat in.bin; ff 24; } > want.lif
}

pattern 1000 > in.bin
cp in.bin keep.bin

# Another drive letter for this folder, as SUBST or a mapped network drive
# gives on Windows.
drive_letter y x w v u t s r q p

# One file or device under two names is refused, and the input kept.
long=$(printf 'a-folder-with-a-rather-long-name-%02d\\' 1 2 3 4 5 6 7 8)
mkdir -p "${long//\\//}"
cp in.bin "${long//\\//}in.bin"
for pair in "$drive:\\in.bin|in.bin" "in.bin|$drive:\\in.bin" "in.bin|in.bin." \
            "in.bin|in.bin . " "NUL|nul.txt" "${long}in.bin|${long}in.bin."; do
    input=${pair%|*}
    output=${pair#*|}
    expect 1 "impossible to create $output: it is the input file
" "$input" "$output"
done
same_bytes in.bin keep.bin
same_bytes "${long//\\//}in.bin" keep.bin

# Through the other drive letter a file is made and then replaced.
want OUT
for _ in new replaced; do
    expect 0 "" in.bin "$drive:\\out.lif"
    same_bytes out.lif want.lif
done

# Gone before the long paths below: while another drive letter reaches this
# folder, wine 8's ReplaceFileW crashes the program on a long path in it.
rm "$drive_link"

# A device is written as it is: nothing is made in its place.
mkdir sub
for device in NUL nul nul.txt "sub\\nul"; do
    expect 0 "" in.bin "$device"
done
[ -z "$(find . -iname 'nul*')" ] || fail "a device name made a file: $(find . -iname 'nul*')"

# A replaced file keeps its hidden attribute, which is no part of its
# content; a new one is not hidden (though wine shows the dot-named file it
# was written as hidden).
printf 'old' > hidden.lif
printf 'old' > plain.lif
$VELKORD_RUNNER cmd /c attrib +h hidden.lif
[ "$(attributes hidden.lif)" = AH ] || fail "attrib +h did not work: $(attributes hidden.lif)"
for case in "hidden.lif HIDDEN AH" "plain.lif PLAIN A" "new.lif NEW A"; do
    set -- $case
    expect 0 "" in.bin "$1"
    want "$2"
    same_bytes "$1" want.lif
    [ "$(attributes "$1")" = "$3" ] || fail "$1: attributes $(attributes "$1"), expected $3"
done

# Full paths past MAX_PATH characters: made, replaced, and read back.
want OUT
for _ in new replaced; do
    expect 0 "" "${long}in.bin" "${long}out.lif"
    same_bytes "${long//\\//}out.lif" want.lif
done
expect 0 "" "${long}out.lif" "${long}back.bin" /x
same_bytes "${long//\\//}back.bin" in.bin
