#pragma once

// The framework's tests build their documents with the shared builders.
#include "kerfa_content/testing/model.hpp"

namespace kerfa_render_core_static::testing {
using namespace kerfa_content::testing;
}  // namespace kerfa_render_core_static::testing
