#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace shared::utils {

// A parsed web address.
class Url {
  public:
    struct Handle;

    explicit Url(std::unique_ptr<Handle> handle);
    Url(Url&&) noexcept;
    Url& operator=(Url&&) noexcept;
    ~Url();

    // The host, ASCII letters lower-cased.
    std::string host() const;

    // The path, percent-encoded (upper-case hex digits), with its leading "/"; dot segments
    // resolved.
    const std::string& path() const;

  private:
    std::unique_ptr<Handle> handle_;
};

// The address parsed; "http://" goes in front unless the trimmed text starts with "http://" or
// "https://" in any case. Empty or unparsable text gives none.
std::optional<Url> to_url(std::string_view text);

// The path without its leading "/" characters; none when nothing is left.
std::optional<std::string> url_path(std::string_view text);

// The last path segment, with one "/" appended when the path ended with "/".
std::optional<std::string> url_path_child(std::string_view text);

// The last segment up to its last "." (the whole segment without one).
std::optional<std::string> url_child_stem(std::string_view text);

// What follows the last "." of the last segment; none without one.
std::optional<std::string> url_extension(std::string_view text);

// A copy of the text with "/" appended when add is set.
std::string add_separator(std::string_view text, bool add);

// "%XX" escapes decoded ("+" stays); the text itself when the result is not UTF-8.
std::string decode_url_or_orginal(std::string_view text);

// Appends text with exactly space " # % & + , / : ; < = > ? @ [ \ ] ^ ` { | } written as "%XX"
// (upper-case hex); everything else, non-ASCII included, unchanged.
void escape_and_append_url(std::string& out, std::string_view text);

}  // namespace shared::utils
