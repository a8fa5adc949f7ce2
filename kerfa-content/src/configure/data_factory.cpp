#include "kerfa_content/configure/data_factory.hpp"

namespace kerfa_content::configure {

using data::attributes::Attribute;
using data::structure::Content;
using data::structure::Data;

Data DataFactory::link(std::string_view address) {
    return data::types::Property(data::types::PropertyElement{
        data::kinds::property_kind::LINK, data::types::Attributes{Attribute::str(address)}, false});
}

Data DataFactory::image(std::string_view path) {
    return Content(Content::Image{kerfa_content::types::Source::file(std::string(path))});
}

}  // namespace kerfa_content::configure
