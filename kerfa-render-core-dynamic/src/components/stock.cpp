#include "kerfa_render_core_dynamic/components/stock.hpp"

#include <fmt/format.h>

#include "kerfa_content/data/kinds/block_kind.hpp"

namespace kerfa_render_core_dynamic::components {

std::string WrappedElementBlock::debug_text() const {
    return fmt::format("WrappedElementBlock {{ block: {}, render: {} }}",
                       kerfa_content::data::kinds::block_kind_name_or_unknown(block_->id),
                       render_->debug_text());
}

}  // namespace kerfa_render_core_dynamic::components
