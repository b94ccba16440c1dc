#include "basic/refusal.h"

namespace velkord::basic {

const char* refusal_message(Refusal refusal) {
    switch (refusal) {
        case Refusal::none: return "";
        case Refusal::syntax: return "ERR:Syntax";
        case Refusal::parenthesis: return "ERR:) Expected";
        case Refusal::quote: return "ERR:Quote Expected";
        case Refusal::excess_chars: return "ERR:Excess Chars";
        case Refusal::illegal_context: return "ERR:Illegal Context";
        case Refusal::invalid_expr: return "ERR:Invalid Expr";
        case Refusal::invalid_parm: return "ERR:Invalid Parm";
        case Refusal::missing_parm: return "ERR:Missing Parm";
        case Refusal::invalid_var: return "ERR:Invalid Var";
        case Refusal::invalid_filespec: return "ERR:Invalid Filespec";
        case Refusal::invalid_file_type: return "ERR:Invalid File Type";
        case Refusal::hpil_missing_parm: return "HPIL ERR:Missing Parm";
        case Refusal::hpil_invalid_parm: return "HPIL ERR:Invalid Parm";
        case Refusal::hpil_invalid_expr: return "HPIL ERR:Invalid Expr";
        case Refusal::hpil_syntax: return "HPIL ERR:Syntax";
        case Refusal::line_too_long: return "ERR:Line Too Long";
    }
    return "";
}

const char* warning_message(Warning warning) {
    return warning == Warning::overflow ? "WRN:Overflow" : "WRN:Underflow";
}

}  // namespace velkord::basic
