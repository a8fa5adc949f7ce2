#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"
#include "utils/attributes.hpp"

// Block components of the canonical Kerfa writer. Operations not listed write nothing.
namespace kerfa_render_kerfa::kerfa_render {

using kerfa_render_core_static::modules::Block;
using kerfa_render_core_static::modules::RenderBlock;
using kerfa_render_kerfa::utils::AttributeForm;

// A block written as an element: "<" name, its attributes when present, ">" ... "<>".
class RenderActualBlock final : public RenderBlock {
  public:
    explicit RenderActualBlock(std::string name, AttributeForm form = AttributeForm::Full)
        : name_(std::move(name)), form_(form) {}

    std::string debug_text() const override;
    void start(const Block& block, std::string& out) const override;
    void end(const Block& block, std::string& out) const override;

    const std::string& name() const { return name_; }

  private:
    std::string name_;
    AttributeForm form_;
};

// A list entry carries no tags; entries are lines, so a line feed comes before every entry but
// the first.
class RenderActualBulletEntry final : public RenderBlock {
  public:
    std::string debug_text() const override { return "RenderActualBulletEntry"; }
    void start(const Block&, std::string&) const override {}
    void end(const Block&, std::string&) const override {}
    void between_start(const Block& block, std::string& out) const override;
};

// A table row is a line: a line feed after every row but the last item of its list. A row whose
// last entry would be written as nothing after a separator ends with an explicit empty entry,
// which reads back as an entry where a separator at the line end would not.
class RenderActualTableRow : public RenderBlock {
  public:
    std::string debug_text() const override { return "RenderActualTableRow"; }
    void start(const Block&, std::string&) const override {}
    void end(const Block& block, std::string& out) const override;
    void between_end(const Block& block, std::string& out) const override;
};

// A table entry: with a line break among its own items it is written "<col>" ... "<>"; otherwise
// bare. The separator "<|>" comes before every bare entry but the first item of its row, and
// before a "<col>" entry only when the entry just before it writes nothing (else that one would
// leave no trace and be lost).
class RenderActualTableEntry : public RenderBlock {
  public:
    std::string debug_text() const override { return "RenderActualTableEntry"; }
    void start(const Block& block, std::string& out) const override;
    void end(const Block& block, std::string& out) const override;
    void between_start(const Block& block, std::string& out) const override;
    void between_start_after(const Block& block,
                             const kerfa_content::data::structure::Data& previous,
                             std::string& out) const override;
};

// The heading part of a table: "<heading" attributes ">" ... "<>", and a line feed when more
// items of the table follow. Its attributes are always in the full form.
class RenderActualTableHeading final : public RenderBlock {
  public:
    explicit RenderActualTableHeading(std::string name = "heading") : name_(std::move(name)) {}

    std::string debug_text() const override { return "RenderActualTableHeading"; }
    void start(const Block& block, std::string& out) const override;
    void end(const Block& block, std::string& out) const override;
    void between_end(const Block& block, std::string& out) const override;

  private:
    std::string name_;
};

// A row of a table heading: as a table row.
class RenderActualTableHeadingRow final : public RenderActualTableRow {
  public:
    std::string debug_text() const override { return "RenderActualTableHeadingRow"; }
};

// An entry of a table heading row: as a table entry.
class RenderActualTableHeadingEntry final : public RenderActualTableEntry {
  public:
    std::string debug_text() const override { return "RenderActualTableHeadingEntry"; }
};

}  // namespace kerfa_render_kerfa::kerfa_render
