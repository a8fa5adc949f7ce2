#include "kerfa_content/data/structure/content.hpp"

namespace kerfa_content::data::structure {

void Content::text_append(std::string& out) const {
    if (const auto* html = std::get_if<Html>(this)) {
        out += html->text;
    } else if (const auto* text = std::get_if<Text>(this)) {
        out += text->text;
    }
}

std::string Content::text() const {
    std::string out;
    text_append(out);
    return out;
}

}  // namespace kerfa_content::data::structure
