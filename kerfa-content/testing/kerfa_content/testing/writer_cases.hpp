#pragma once

// Tables of writer cases: items built on demand and the exact text a writer gives for them.
//
//   expect_written(writer, {{"bold span", [] { return list(open(pk::BOLD), text("x"), close()); },
//                            "<bold>x<>"}});

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/modules/renderer/renderer.hpp"

namespace kerfa_content::testing {

struct WriterCase {
    const char* name;
    std::function<std::vector<data::structure::Data>()> items;
    std::string expected;
};

// Each case's items written as one list (render_all).
inline void expect_written(const modules::renderer::Renderer& writer,
                           const std::vector<WriterCase>& cases) {
    for (const WriterCase& c : cases) {
        EXPECT_EQ(writer.render_all(c.items()), c.expected) << c.name;
    }
}

}  // namespace kerfa_content::testing
