#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

// Block components of the V1 writer. Operations not listed write nothing.
namespace kerfa_render_kerfa_v1::kerfa_render {

using kerfa_render_core_static::modules::Block;
using kerfa_render_core_static::modules::RenderBlock;

// "<" name, the attributes when present, ">" ... "<>".
class RenderActualBlock final : public RenderBlock {
  public:
    explicit RenderActualBlock(std::string name) : name_(std::move(name)) {}

    std::string debug_text() const override;
    void start(const Block& block, std::string& out) const override;
    void end(const Block& block, std::string& out) const override;

  private:
    std::string name_;
};

// A line feed before every entry that is not the first item of its list.
class RenderActualBulletEntry final : public RenderBlock {
  public:
    std::string debug_text() const override { return "RenderActualBulletEntry"; }
    void start(const Block&, std::string&) const override {}
    void end(const Block&, std::string&) const override {}
    void between_start(const Block& block, std::string& out) const override;
};

// "<in-N>" ... "<>": N is the text of the first attribute, of whatever kind, else 1.
class RenderActualIndent final : public RenderBlock {
  public:
    std::string debug_text() const override { return "RenderActualIndent"; }
    void start(const Block& block, std::string& out) const override;
    void end(const Block& block, std::string& out) const override;
};

// A line feed after every row that is not the last item of its list; so are the heading part of
// a table and its rows (the type name tells which).
class RenderActualTableRow final : public RenderBlock {
  public:
    explicit RenderActualTableRow(std::string type_name = "RenderActualTableRow")
        : type_name_(std::move(type_name)) {}

    std::string debug_text() const override { return type_name_; }
    void start(const Block&, std::string&) const override {}
    void end(const Block&, std::string&) const override {}
    void between_end(const Block& block, std::string& out) const override;

  private:
    std::string type_name_;
};

// A cell between its opening and closing texts ("<col>" ... "<>", or "<col><b>" ... "<><>" in a
// heading row); a cell without items gets a blank after its opening.
class RenderActualTableEntry final : public RenderBlock {
  public:
    RenderActualTableEntry(std::string type_name, std::string open, std::string close)
        : type_name_(std::move(type_name)), open_(std::move(open)), close_(std::move(close)) {}

    std::string debug_text() const override { return type_name_; }
    void start(const Block& block, std::string& out) const override;
    void end(const Block& block, std::string& out) const override;

  private:
    std::string type_name_;
    std::string open_;
    std::string close_;
};

}  // namespace kerfa_render_kerfa_v1::kerfa_render
