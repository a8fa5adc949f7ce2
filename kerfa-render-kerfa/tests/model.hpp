#pragma once

// The writer's tests build their documents with the shared builders.
#include "kerfa_content/testing/model.hpp"

namespace kerfa_render_kerfa::testing {
using namespace kerfa_content::testing;
}  // namespace kerfa_render_kerfa::testing
