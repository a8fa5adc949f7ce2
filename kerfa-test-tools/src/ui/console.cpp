#include "kerfa_test_tools/ui/console.hpp"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "shared/utils/fault.hpp"
#include "shared/utils/numbers.hpp"
#include "shared/utils/stdout.hpp"
#include "shared/utils/utf8.hpp"

namespace kerfa_test_tools::ui {

using kerfa_content::types::Count;

namespace {

constexpr std::size_t kNameColumns = 24;
constexpr std::size_t kCountColumns = 8;
constexpr std::size_t kIndentPerLevel = 4;

// indent blanks, the name padded so that both take `name_columns`, two blanks, the count.
void append_line(std::string& out, std::size_t indent, std::string_view name,
                 std::size_t name_columns, std::int32_t value) {
    out.append(indent, ' ');
    out.append(name);
    const std::size_t used = indent + shared::utils::count_chars(name);
    if (used < name_columns) {
        out.append(name_columns - used, ' ');
    }
    out.append("  ");
    const std::string digits = shared::utils::comma_separated_i32(value);
    if (digits.size() < kCountColumns) {
        out.append(kCountColumns - digits.size(), ' ');
    }
    out.append(digits);
    out.push_back('\n');
}

// The children in the order of child_names; a name it lists always has a child.
std::vector<const Count*> children_of(const Count& count) {
    std::vector<const Count*> children;
    for (const std::string& name : count.child_names()) {
        const Count* child = count.get(name);
        if (child == nullptr) {
            shared::utils::internal_fault("count tree lists a child it does not hold");
        }
        children.push_back(child);
    }
    return children;
}

}  // namespace

void append_count_summary(std::string& out, const Count& count) {
    append_line(out, 0, count.name, kNameColumns, count.count);
    if (count.has_children()) {
        out.push_back('\n');
        for (const Count* child : children_of(count)) {
            append_line(out, kIndentPerLevel, child->name, kNameColumns, child->count);
        }
    }
    out.push_back('\n');
}

void append_item_count(std::string& out, const Count& count, std::size_t depth) {
    // A null counter stands for the empty line that closes a parent's children.
    std::vector<std::pair<const Count*, std::size_t>> pending{{&count, depth}};
    while (!pending.empty()) {
        const auto [node, level] = pending.back();
        pending.pop_back();
        if (node == nullptr) {
            out.push_back('\n');
            continue;
        }
        append_line(out, level * kIndentPerLevel, node->name, kNameColumns, node->count);
        if (!node->has_children()) {
            continue;
        }
        out.push_back('\n');
        pending.emplace_back(nullptr, 0);
        const std::vector<const Count*> children = children_of(*node);
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            pending.emplace_back(*it, level + 1);
        }
    }
}

void append_count(std::string& out, const Count& count) {
    append_item_count(out, count, 0);
    out.push_back('\n');
}

void print_count_summary(const Count& count) {
    std::string out;
    append_count_summary(out, count);
    shared::utils::write_stdout(out);
}

void print_count(const Count& count) {
    std::string out;
    append_count(out, count);
    shared::utils::write_stdout(out);
}

void print_item_count(const Count& count, std::size_t depth) {
    std::string out;
    append_item_count(out, count, depth);
    shared::utils::write_stdout(out);
}

}  // namespace kerfa_test_tools::ui
