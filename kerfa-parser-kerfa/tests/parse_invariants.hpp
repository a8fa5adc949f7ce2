#pragma once

// What every Kerfa parse result must satisfy, whatever the input: shared by the random-input
// test and the fuzz target.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/modules/parser/types/parse_data.hpp"

namespace kerfa_parser_kerfa::testing {

// The first broken invariant, or none:
// - the items are sections numbered from 0, each a container of its own;
// - section starts ascend strictly, one per section, within the input; private spans ascend,
//   are disjoint and lie within the input;
// - in every item list, terminators never outnumber the spans opened before them, and every
//   span is closed by the end of its list;
// - a heading marker stands only first in a section, whose level it gives.
inline std::optional<std::string> broken_invariant(
    const kerfa_content::modules::parser::types::ParseData& data, std::size_t input_size) {
    using kerfa_content::data::structure::Data;
    using kerfa_content::data::structure::DataList;
    if (!data.positions) {
        return "no positions";
    }
    const auto& starts = data.positions->section_starts;
    if (starts.size() != data.content.size()) {
        return "one start per section";
    }
    for (std::size_t i = 0; i < starts.size(); ++i) {
        if (starts[i] > input_size || (i > 0 && starts[i] <= starts[i - 1])) {
            return "section starts ascend within the input";
        }
    }
    std::size_t previous_end = 0;
    for (const auto& [start, end] : data.positions->private_spans) {
        if (start < previous_end || end < start || end > input_size) {
            return "private spans ascend, are disjoint and lie within the input";
        }
        previous_end = end;
    }
    struct List {
        const DataList* items;
        bool section;
    };
    std::vector<List> lists;
    for (std::size_t i = 0; i < data.content.size(); ++i) {
        const auto* container = data.content[i].as_container();
        const auto* section = container != nullptr ? container->as_section() : nullptr;
        if (section == nullptr || section->id != i) {
            return "the items are sections numbered from 0";
        }
        for (std::size_t j = 0; j < section->children.size(); ++j) {
            const auto* line = section->children[j].as_line_property();
            const auto* heading =
                line != nullptr ? std::get_if<kerfa_content::data::types::Heading>(line) : nullptr;
            if (heading != nullptr && (j != 0 || heading->level != section->level)) {
                return "a heading stands first in its section";
            }
        }
        lists.push_back({&section->children, true});
    }
    while (!lists.empty()) {
        const List list = lists.back();
        lists.pop_back();
        const DataList& items = *list.items;
        std::size_t open = 0;
        for (const Data& item : items) {
            if (item.as_property() != nullptr) {
                ++open;
            } else if (item.is_terminator()) {
                if (open == 0) {
                    return "a terminator with no open span";
                }
                --open;
            } else if (const auto* container = item.as_container()) {
                if (container->as_block() == nullptr) {
                    return "only blocks nest";
                }
                lists.push_back({&container->children(), false});
            } else if (const auto* line = item.as_line_property();
                       line != nullptr && !list.section) {
                if (std::holds_alternative<kerfa_content::data::types::Heading>(*line)) {
                    return "a heading inside a block";
                }
            }
        }
        if (open != 0) {
            return "a span left open";
        }
    }
    return std::nullopt;
}

}  // namespace kerfa_parser_kerfa::testing
