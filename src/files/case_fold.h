// Names that differ only in letter case are one name on Windows, macOS and
// FAT or exFAT media. velkord compares output names through this one table,
// Unicode's simple case folding, on every system alike, so that which names
// clash never depends on where the tool runs.
#ifndef VELKORD_FILES_CASE_FOLD_H
#define VELKORD_FILES_CASE_FOLD_H

#include <string>
#include <string_view>

namespace velkord {

// The simple case folding of a code point (CaseFolding.txt, status C and
// S): a capital becomes its small letter, and so do title-case and other
// variants (Kelvin sign K to k, final sigma to sigma). Code points without
// one stay as they are.
char32_t fold_code_point(char32_t code_point);

// `utf8` with each character folded. Bytes that are not valid UTF-8 (cut
// or overlong sequences, surrogates, beyond U+10FFFF) are kept byte for
// byte, so two different invalid names never fold to one.
std::string fold_case(std::string_view utf8);

}  // namespace velkord

#endif
