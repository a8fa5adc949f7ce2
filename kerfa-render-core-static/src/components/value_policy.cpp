#include "kerfa_render_core_static/components/value_policy.hpp"

#include "shared/utils/html.hpp"
#include "shared/utils/urls.hpp"

namespace kerfa_render_core_static::components {

namespace {

void append_url_parameter(std::string& out, std::string_view value) {
    const std::size_t start = out.size();
    out.append(value);
    for (std::size_t i = start; i < out.size(); ++i) {
        if (out[i] == ' ' || out[i] == '\n') {
            out[i] = '+';
        }
    }
}

}  // namespace

void append_value(std::string& out, std::string_view value, ValuePolicy policy) {
    switch (policy) {
        case ValuePolicy::AsIs:
            out.append(value);
            return;
        case ValuePolicy::HtmlAttribute:
            shared::utils::append_html_attribute(out, value);
            return;
        case ValuePolicy::CssDeclaration:
            if (shared::utils::is_plain_css_value(value)) {
                shared::utils::append_html_attribute(out, value);
            }
            return;
        case ValuePolicy::PercentEncoded:
            shared::utils::escape_and_append_url(out, value);
            return;
        case ValuePolicy::UrlParameter:
            append_url_parameter(out, value);
            return;
    }
}

std::string_view policy_name(ValuePolicy policy) {
    switch (policy) {
        case ValuePolicy::AsIs:
            return "AsIs";
        case ValuePolicy::HtmlAttribute:
            return "HtmlAttribute";
        case ValuePolicy::CssDeclaration:
            return "CssDeclaration";
        case ValuePolicy::PercentEncoded:
            return "PercentEncoded";
        case ValuePolicy::UrlParameter:
            return "UrlParameter";
    }
    return "?";
}

}  // namespace kerfa_render_core_static::components
