#include "kerfa_content/data/structure/data.hpp"

#include <utility>

#include "data/structure/tree.hpp"

namespace kerfa_content::data::structure {

using tree::Range;

void text_append(std::span<const Data> items, std::string& out) {
    std::vector<Range> pending{{items.data(), items.data() + items.size()}};
    while (!pending.empty()) {
        Range& rest = pending.back();
        if (rest.next == rest.end) {
            pending.pop_back();
            continue;
        }
        const Data& item = *rest.next++;
        switch (item.index()) {
            case 0: {
                const auto* kids = tree::children_of(*std::get_if<0>(&item));
                if (rest.next == rest.end) {
                    pending.pop_back();
                }
                if (kids != nullptr && !kids->empty()) {
                    pending.push_back(tree::range_of(*kids));
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

std::vector<Data> clone_items(std::span<const Data> items) {
    struct Frame {
        Range rest;
        std::vector<Data>* out;  // inside a heap record, so it stays put while lists grow
    };
    std::vector<Data> result;
    result.reserve(items.size());
    std::vector<Frame> pending{{{items.data(), items.data() + items.size()}, &result}};
    while (!pending.empty()) {
        Frame& frame = pending.back();
        if (frame.rest.next == frame.rest.end) {
            pending.pop_back();
            continue;
        }
        const Data& item = *frame.rest.next++;
        std::vector<Data>& out = *frame.out;
        if (frame.rest.next == frame.rest.end) {
            pending.pop_back();
        }
        if (item.index() != 0) {
            out.push_back(tree::clone_shallow(item));
            continue;
        }
        const Container& container = *std::get_if<0>(&item);
        out.emplace_back(container.clone_state());
        const auto* kids = tree::children_of(container);
        if (kids != nullptr && !kids->empty()) {
            auto* copy_kids = tree::children_of(*std::get_if<0>(&out.back()));
            copy_kids->reserve(kids->size());
            pending.push_back({tree::range_of(*kids), copy_kids});
        }
    }
    return result;
}

bool items_equal(std::span<const Data> a, std::span<const Data> b) {
    if (a.size() != b.size()) {
        return false;
    }
    struct Frame {
        Range a;
        const Data* b;
    };
    std::vector<Frame> pending{{{a.data(), a.data() + a.size()}, b.data()}};
    while (!pending.empty()) {
        Frame& frame = pending.back();
        if (frame.a.next == frame.a.end) {
            pending.pop_back();
            continue;
        }
        const Data& x = *frame.a.next++;
        const Data& y = *frame.b++;
        if (x.index() != y.index()) {
            return false;
        }
        if (x.index() != 0) {
            const bool same = std::visit(
                [&y](const auto& value) {
                    using T = std::decay_t<decltype(value)>;
                    if constexpr (std::is_same_v<T, Container>) {
                        return true;  // compared below
                    } else {
                        return value == *std::get_if<T>(&y);
                    }
                },
                x);
            if (!same) {
                return false;
            }
            continue;
        }
        const Container& cx = *std::get_if<0>(&x);
        const Container& cy = *std::get_if<0>(&y);
        if (!tree::same_state(cx, cy)) {
            return false;
        }
        if (frame.a.next == frame.a.end) {
            pending.pop_back();
        }
        const auto* kx = tree::children_of(cx);
        const auto* ky = tree::children_of(cy);
        if (kx != nullptr && !kx->empty()) {
            if (kx->size() != ky->size()) {
                return false;
            }
            pending.push_back({tree::range_of(*kx), ky->data()});
        } else if (ky != nullptr && !ky->empty()) {
            return false;
        }
    }
    return true;
}

void Data::text_append(std::string& out) const {
    structure::text_append({this, 1}, out);
}

Data Data::clone() const {
    auto copies = clone_items({this, 1});
    return std::move(copies.front());
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
