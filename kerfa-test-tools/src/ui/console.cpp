#include "kerfa_test_tools/ui/console.hpp"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "kerfa_content/utils/tree_walk.hpp"
#include "shared/utils/fault.hpp"
#include "shared/utils/numbers.hpp"
#include "shared/utils/stdout.hpp"
#include "shared/utils/utf8.hpp"

namespace kerfa_test_tools::ui {

using kerfa_content::types::Count;
using kerfa_content::utils::TreeWalk;
using kerfa_content::utils::WalkEvent;

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

// A count table as a tree: a counter with children is entered, one without is a leaf.
struct CountShape {
    using Node = Count;
    using List = std::vector<const Count*>;

    static std::size_t size(const List& list) { return list.size(); }
    static const Count& at(const List& list, std::size_t index) { return *list[index]; }
    static std::optional<List> children(const Count& count) {
        if (!count.has_children()) {
            return std::nullopt;
        }
        return children_of(count);
    }
};

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
    TreeWalk<CountShape> walk({&count});
    while (const auto step = walk.next()) {
        const Count& node = *step->node;
        switch (step->event) {
            case WalkEvent::Leaf:
                append_line(out, (depth + step->depth) * kIndentPerLevel, node.name, kNameColumns,
                            node.count);
                break;
            case WalkEvent::Enter:
                append_line(out, (depth + step->depth) * kIndentPerLevel, node.name, kNameColumns,
                            node.count);
                out.push_back('\n');
                break;
            case WalkEvent::Exit:
                out.push_back('\n');
                break;
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
