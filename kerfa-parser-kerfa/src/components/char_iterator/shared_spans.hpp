#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace kerfa_parser_kerfa::components::char_iterator {

// Byte range of a removed private region: start inclusive, end exclusive.
using PrivateSpan = std::pair<std::size_t, std::size_t>;

// The private spans of one parse, in the order recorded; copies share the same list.
class SharedSpans {
  public:
    SharedSpans() : cell_(std::make_shared<std::vector<PrivateSpan>>()) {}

    void record(std::size_t start, std::size_t end) const { cell_->emplace_back(start, end); }
    std::vector<PrivateSpan> to_vec() const { return *cell_; }
    const std::vector<PrivateSpan>& spans() const { return *cell_; }

  private:
    std::shared_ptr<std::vector<PrivateSpan>> cell_;
};

}  // namespace kerfa_parser_kerfa::components::char_iterator
