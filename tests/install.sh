# `cmake --install` into an empty prefix gives the binary and the man page
# where users look for them, and the man page renders without warnings.
#   install.sh BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"${CMAKE_COMMAND:-cmake}" --install "$1" --prefix "$prefix" > /dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$prefix/bin/velkord" ] || fail "no bin/velkord"
page=$prefix/share/man/man1/velkord.1
[ -f "$page" ] || fail "no share/man/man1/velkord.1"
cd "$prefix"
bin/velkord /h | head -n 1 | grep -q '^VELKORD: add a 32-byte LIF header' || fail "bin/velkord /h"
if command -v man > /dev/null; then
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 > /dev/null)
    [ -z "$warnings" ] || fail "man page warnings: $warnings"
fi
