#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "components/char_iterator/utf8.hpp"

namespace kerfa_parser_kerfa::tokenizer {

// Builds the text of a token: characters gather in a small local buffer and reach the string in
// blocks, so the per-character cost is a store, not a string append.
class TextBuilder {
  public:
    TextBuilder() = default;
    explicit TextBuilder(std::string start) : text_(std::move(start)) {}
    TextBuilder(const TextBuilder&) = delete;
    TextBuilder& operator=(const TextBuilder&) = delete;

    [[gnu::always_inline]] void add(char32_t c) {
        if (c < 0x80 && size_ < kBlock) {
            block_[size_++] = static_cast<char>(c);
            return;
        }
        add_slow(c);
    }

    // Appends whole bytes at once (a run of plain text); a short run joins the block.
    void append(std::string_view bytes) {
        if (bytes.empty()) {
            return;  // an empty run may have no data to copy from
        }
        if (bytes.size() <= kBlock - size_) {
            std::memcpy(block_ + size_, bytes.data(), bytes.size());
            size_ += bytes.size();
            return;
        }
        flush();
        text_.append(bytes);
    }

    // Most tokens never leave the block: their string is made from it in one step.
    std::string take() {
        if (text_.empty()) {
            std::string text(block_, size_);
            size_ = 0;
            return text;
        }
        flush();
        return std::move(text_);
    }

  private:
    static constexpr std::size_t kBlock = 64;

    void flush() {
        text_.append(block_, size_);
        size_ = 0;
    }

    void add_slow(char32_t c) {
        flush();
        if (c < 0x80) {
            block_[size_++] = static_cast<char>(c);
        } else {
            components::char_iterator::append_utf8(text_, c);
        }
    }

    std::string text_;
    char block_[kBlock];
    std::size_t size_ = 0;
};

}  // namespace kerfa_parser_kerfa::tokenizer
