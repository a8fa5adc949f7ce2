#pragma once

#include <span>
#include <string>
#include <variant>

#include "kerfa_content/data/storage/box.hpp"
#include "kerfa_content/data/storage/list.hpp"

namespace kerfa_content::data::types {
struct Block;
struct Document;
struct Section;
}  // namespace kerfa_content::data::types

namespace kerfa_content::data::structure {

class Data;
using DataList = storage::List<Data>;

// An item that holds children: a block, a document or a section, each in its own box on the heap
// or in the arena of a parsed document (alternatives in that order). Dropping a container frees
// its whole subtree without recursion, so trees of any depth can be dropped.
class Container : public std::variant<storage::Box<types::Block>, storage::Box<types::Document>,
                                      storage::Box<types::Section>> {
  public:
    using variant::variant;
    Container(types::Block&& block);
    Container(types::Document&& document);
    Container(types::Section&& section);

    Container(Container&&) noexcept;
    Container& operator=(Container&&) noexcept;
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;
    ~Container();

    // Null for the other alternatives (or a moved-from box).
    const types::Block* as_block() const;
    types::Block* as_block();
    const types::Document* as_document() const;
    types::Document* as_document();
    const types::Section* as_section() const;
    types::Section* as_section();

    // The children of whichever record it holds; a moved-from container is a fault.
    const DataList& children() const;
    DataList& children();

    // Moves one item to the end of the children.
    void append(Data item);
    // Moves every item, in order, to the end of the children.
    void append_all(DataList items);
    bool is_empty() const;

    // A container of the same alternative with every field copied except the children.
    Container clone_state() const;
    // A deep copy (iterative).
    Container clone() const;

    // Appends the plain text of the children (iterative).
    void text_append(std::string& out) const;

    // Deep comparison (iterative).
    friend bool operator==(const Container& a, const Container& b);
};

}  // namespace kerfa_content::data::structure
