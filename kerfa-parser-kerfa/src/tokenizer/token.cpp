#include "tokenizer/types/token.hpp"

#include <array>

namespace kerfa_parser_kerfa::tokenizer::types {

std::string_view Token::name() const {
    static constexpr std::array<std::string_view, std::variant_size_v<Variant>> kNames = {
        "Element",
        "ElementAttribute",
        "ElementComplete",
        "ElementTerminator",
        "Heading",
        "Newline",
        "Tagline",
        "Text",
        "OrphanedElementOpen",
        "UnterminatedElement",
    };
    return kNames[value.index()];
}

}  // namespace kerfa_parser_kerfa::tokenizer::types
