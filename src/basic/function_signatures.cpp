#include "basic/function_signatures.h"

#include <cstring>

#include "basic/named_rows.h"
#include "basic/tokens.h"

namespace velkord::basic {
namespace {

struct Known {
    unsigned char lex;
    const char* name;
    Signature signature;
};

constexpr unsigned char any_count = 15;  // a count nibble holds no more

// The mainframe's functions that take strings, and the LEX files'
// functions whose arguments are known.
constexpr Known known[] = {
    {lex::mainframe, "LEN", {1, 1, "s"}},
    {lex::mainframe, "NUM", {1, 1, "s"}},
    {lex::mainframe, "VAL", {1, 1, "s"}},
    {lex::mainframe, "UPRC$", {1, 1, "s"}},
    {lex::builtin, "ACS", {1, 1, "n"}},
    {lex::builtin, "ADDR$", {1, 1, "s"}},
    {lex::builtin, "ANGLE", {2, 2, "n"}},
    {lex::builtin, "ASN", {1, 1, "n"}},
    {lex::builtin, "ATN", {1, 1, "n"}},
    {lex::builtin, "CAT$", {1, 2, "ns"}},
    {lex::builtin, "CHARSET$", {0, 0, "n"}},
    {lex::builtin, "CLASS", {1, 1, "n"}},
    {lex::builtin, "CORR", {2, 2, "n"}},
    {lex::builtin, "DTH$", {1, 1, "n"}},
    {lex::builtin, "ERRM$", {0, 0, "n"}},
    {lex::builtin, "VER$", {0, 0, "n"}},
    {lex::builtin, "EXPM1", {1, 1, "n"}},
    {lex::builtin, "EXPONENT", {1, 1, "n"}},
    {lex::builtin, "FLAG", {1, 2, "n"}},
    {lex::builtin, "FLOOR", {1, 1, "n"}},
    {lex::builtin, "GDISP$", {0, 0, "n"}},
    {lex::builtin, "HTD", {1, 1, "s"}},
    {lex::builtin, "KEYDEF$", {1, 1, "s"}},
    {lex::builtin, "KEYDOWN", {1, 1, "s"}},
    {lex::builtin, "LGT", {1, 1, "n"}},
    {lex::builtin, "LOGP1", {1, 1, "n"}},
    {lex::builtin, "MEAN", {0, 1, "n"}},
    {lex::builtin, "MEM", {0, 1, "n"}},
    {lex::builtin, "MINREAL", {0, 0, "n"}},
    {lex::builtin, "NAN", {0, 0, "n"}},
    {lex::builtin, "PEEK$", {2, 2, "sn"}},
    {lex::builtin, "POS", {2, 3, "ssn"}},
    {lex::builtin, "RED", {2, 2, "n"}},
    {lex::builtin, "SDEV", {0, 1, "n"}},
    {lex::builtin, "SQRT", {1, 1, "n"}},
    {lex::builtin, "TOTAL", {0, 1, "n"}},
    {lex::builtin, "DISP$", {0, 0, "n"}},
    {lex::builtin, "TRAP", {1, 2, "n"}},
    {lex::math, "ACOSH", {1, 1, "n"}},
    {lex::math, "ASINH", {1, 1, "n"}},
    {lex::math, "ATANH", {1, 1, "n"}},
    {lex::math, "BSTR$", {2, 2, "n"}},
    {lex::math, "BVAL", {2, 2, "sn"}},
    {lex::math, "COSH", {1, 1, "n"}},
    {lex::math, "DETL", {0, 0, "n"}},
    {lex::math, "DET", {0, 1, "a"}},
    {lex::math, "DOT", {2, 2, "a"}},
    {lex::math, "FNORM", {1, 1, "a"}},
    {lex::math, "RNORM", {1, 1, "a"}},
    {lex::math, "CNORM", {1, 1, "a"}},
    {lex::math, "IROUND", {1, 1, "n"}},
    {lex::math, "REPT", {1, 1, "n"}},
    {lex::math, "IMPT", {1, 1, "n"}},
    {lex::math, "CONJ", {1, 1, "n"}},
    {lex::math, "ARG", {1, 1, "n"}},
    {lex::math, "PROJ", {1, 1, "n"}},
    {lex::math, "FGUESS", {0, 0, "n"}},
    {lex::math, "FVALUE", {0, 0, "n"}},
    {lex::math, "GAMMA", {1, 1, "n"}},
    {lex::math, "IBOUND", {0, 0, "n"}},
    {lex::math, "IVALUE", {0, 0, "n"}},
    {lex::math, "LBND", {2, 2, "an"}},
    {lex::math, "LBOUND", {2, 2, "n"}},
    {lex::math, "LOG2", {1, 1, "n"}},
    {lex::math, "NAN$", {1, 1, "n"}},
    {lex::math, "NEIGHBOR", {2, 2, "n"}},
    {lex::math, "SCALE10", {2, 2, "n"}},
    {lex::math, "SINH", {1, 1, "n"}},
    {lex::math, "TANH", {1, 1, "n"}},
    {lex::math, "UBND", {2, 2, "an"}},
    {lex::math, "UBOUND", {2, 2, "n"}},
    {lex::math, "FVAR", {0, 0, "n"}},
    {lex::math, "IVAR", {0, 0, "n"}},
    {lex::math, "TYPE", {1, 1, "x"}},
    {lex::hpil, "BINAND", {2, 2, "n"}},
    {lex::hpil, "BINCMP", {1, 1, "n"}},
    {lex::hpil, "BINEOR", {2, 2, "n"}},
    {lex::hpil, "BINIOR", {2, 2, "n"}},
    {lex::hpil, "BIT", {2, 2, "n"}},
    {lex::hpil, "DEVADDR", {1, 1, "x"}},
    {lex::hpil, "DEVID$", {1, 1, "x"}},
    {lex::hpil, "DEVAID", {1, 1, "x"}},
    {lex::hpil, "SPOLL", {1, 1, "x"}},
    {lex::hpil, "READINTR", {0, 0, "n"}},
    {lex::hpil, "READDDC", {0, 0, "n"}},
    {lex::hpil, "STATUS", {0, 1, "n"}},
};

}  // namespace

Signature signature(const Keyword& row) {
    static const std::vector<Known> sorted = sorted_by_name(known);
    if (const Known* found = find_named(sorted, row.lex, row.name)) {
        return found->signature;
    }
    if (row.args >= 0) {
        const auto count = static_cast<unsigned char>(row.args);
        return Signature{count, count, "n"};
    }
    return Signature{0, any_count, "x"};
}

char argument_type(const Signature& signature, std::size_t index) {
    const std::size_t length = std::strlen(signature.types);
    return signature.types[index < length ? index : length - 1];
}

}  // namespace velkord::basic
