#include "lif/file_types.h"

namespace velkord {

std::uint16_t lif_file_type(Format format) {
    switch (format) {
        case Format::bin:
            return lif_type_bin;
        case Format::rom:
            return lif_type_rom;
        case Format::text:
            return lif_type_text;
        case Format::basic:
            return lif_type_basic;
        case Format::lex:
            break;
    }
    return lif_type_lex;
}

const char* lif_type_name(std::uint16_t file_type) {
    switch (file_type) {
        case lif_type_text:
            return "TEXT";
        case lif_type_sdata:
            return "SDATA";
        case lif_type_data:
            return "DATA";
        case lif_type_bin:
            return "BIN";
        case lif_type_lex:
            return "LEX";
        case lif_type_key:
            return "KEY";
        case lif_type_basic:
        case lif_type_basic_secure:
        case lif_type_basic_private:
        case lif_type_basic_private_secure:
            return "BASIC";
        case lif_type_forth:
            return "FORTH";
        case lif_type_rom:
            return "ROM";
        default:
            return nullptr;
    }
}

}  // namespace velkord
