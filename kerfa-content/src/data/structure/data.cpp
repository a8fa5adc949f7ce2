#include "kerfa_content/data/structure/data.hpp"

#include <type_traits>
#include <utility>
#include <variant>

#include "data/structure/tree.hpp"

namespace kerfa_content::data::structure {

using tree::Range;

// The walkers below keep the list being read in a local and push a list on the work list only
// when they leave it part-way to enter a container: lists of leaves and chains of single
// containers cost no allocation, and no depth of nesting grows the call stack.

void text_append(std::span<const Data> items, std::string& out) {
    Range rest{items.data(), items.data() + items.size()};
    std::vector<Range> parents;
    for (;;) {
        if (rest.next == rest.end) {
            if (parents.empty()) {
                return;
            }
            rest = parents.back();
            parents.pop_back();
            continue;
        }
        const Data& item = *rest.next++;
        switch (item.index()) {
            case 0: {
                const auto* kids = tree::children_of(*std::get_if<0>(&item));
                if (kids != nullptr && !kids->empty()) {
                    if (rest.next != rest.end) {
                        parents.push_back(rest);
                    }
                    rest = tree::range_of(*kids);
                }
                break;
            }
            case 1:
                std::get_if<1>(&item)->text_append(out);
                break;
            case 3:
                out += '\n';
                break;
            default:
                break;
        }
    }
}

DataList clone_items(std::span<const Data> items) {
    struct Frame {
        Range rest;
        DataList* out;  // inside a heap record, so it stays put while lists grow
    };
    DataList result;
    result.reserve(items.size());
    Frame frame{{items.data(), items.data() + items.size()}, &result};
    std::vector<Frame> parents;
    for (;;) {
        if (frame.rest.next == frame.rest.end) {
            if (parents.empty()) {
                return result;
            }
            frame = parents.back();
            parents.pop_back();
            continue;
        }
        const Data& item = *frame.rest.next++;
        if (item.index() != 0) {
            frame.out->push_back(tree::clone_shallow(item));
            continue;
        }
        const Container& container = *std::get_if<0>(&item);
        frame.out->emplace_back(container.clone_state());
        const auto* kids = tree::children_of(container);
        if (kids != nullptr && !kids->empty()) {
            auto* copy_kids = tree::children_of(*std::get_if<0>(&frame.out->back()));
            copy_kids->reserve(kids->size());
            if (frame.rest.next != frame.rest.end) {
                parents.push_back(frame);
            }
            frame = {tree::range_of(*kids), copy_kids};
        }
    }
}

namespace {

// Two items that are not containers, or the non-child fields of two containers.
bool same_item(const Data& x, const Data& y) {
    if (x.index() != y.index()) {
        return false;
    }
    return std::visit(
        [&y](const auto& value) {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, Container>) {
                return tree::same_state(value, *std::get_if<Container>(&y));
            } else {
                return value == *std::get_if<T>(&y);
            }
        },
        x);
}

}  // namespace

bool items_equal(std::span<const Data> a, std::span<const Data> b) {
    if (a.size() != b.size()) {
        return false;
    }
    struct Frame {
        Range a;
        const Data* b;
    };
    Frame frame{{a.data(), a.data() + a.size()}, b.data()};
    std::vector<Frame> parents;
    for (;;) {
        if (frame.a.next == frame.a.end) {
            if (parents.empty()) {
                return true;
            }
            frame = parents.back();
            parents.pop_back();
            continue;
        }
        const Data& x = *frame.a.next++;
        const Data& y = *frame.b++;
        if (!same_item(x, y)) {
            return false;
        }
        if (x.index() != 0) {
            continue;
        }
        const auto* kx = tree::children_of(*std::get_if<0>(&x));
        const auto* ky = tree::children_of(*std::get_if<0>(&y));
        const std::size_t nx = kx == nullptr ? 0 : kx->size();
        const std::size_t ny = ky == nullptr ? 0 : ky->size();
        if (nx != ny) {
            return false;
        }
        if (nx != 0) {
            if (frame.a.next != frame.a.end) {
                parents.push_back(frame);
            }
            frame = {tree::range_of(*kx), ky->data()};
        }
    }
}

void Data::text_append(std::string& out) const {
    structure::text_append({this, 1}, out);
}

Data Data::clone() const {
    if (const auto* container = as_container()) {
        return container->clone();
    }
    return tree::clone_shallow(*this);
}

bool operator==(const Data& a, const Data& b) {
    return items_equal({&a, 1}, {&b, 1});
}

}  // namespace kerfa_content::data::structure

namespace kerfa_content::data::types {

bool operator==(const Block& a, const Block& b) {
    return a.id == b.id && a.attributes == b.attributes &&
           structure::items_equal(a.children, b.children);
}

bool operator==(const Document& a, const Document& b) {
    return a.id == b.id && a.name == b.name && a.source == b.source && a.metadata == b.metadata &&
           structure::items_equal(a.children, b.children);
}

bool operator==(const Section& a, const Section& b) {
    return a.id == b.id && a.level == b.level && a.name == b.name && a.metadata == b.metadata &&
           structure::items_equal(a.children, b.children);
}

}  // namespace kerfa_content::data::types
