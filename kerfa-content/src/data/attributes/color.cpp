#include "kerfa_content/data/attributes/color.hpp"

namespace kerfa_content::data::attributes {

std::string Color::text() const {
    if (const auto* named = as_name()) {
        return std::string(name(*named));
    }
    return std::get<ColorValue>(*this).text.str();
}

}  // namespace kerfa_content::data::attributes
