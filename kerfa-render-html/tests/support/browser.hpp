#pragma once

// Loads pages in headless Chromium and reads back the DOM the browser built.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace html_test {

// The browser on PATH ("chromium" or "chromium-browser"), or none.
std::optional<std::string> find_chromium();

// The serialized DOM of the page after loading it, from a fresh profile; none when the browser
// failed or took longer than a minute.
std::optional<std::string> dump_dom(const std::string& chromium, const std::filesystem::path& page);

// One element of a parsed DOM serialization.
struct DomElement {
    std::string name;                                             // lower case
    std::vector<std::pair<std::string, std::string>> attributes;  // values decoded
    std::size_t parent = 0;                                       // the root is its own parent
    std::vector<std::size_t> children;                            // element indexes
    std::string own_text;                                         // text directly inside

    const std::string* attribute(std::string_view name) const;
    bool has_class(std::string_view name) const;
};

// A DOM serialization read into elements; index 0 is a root above <html>.
class Dom {
  public:
    static Dom parse(std::string_view html);

    const std::vector<DomElement>& elements() const { return elements_; }
    // Every element with this name (and this class, when given), in document order.
    std::vector<const DomElement*> select(std::string_view name,
                                          std::string_view css_class = {}) const;
    // All the text inside an element, its descendants' included.
    std::string text_of(const DomElement& element) const;
    // Whether `inner` lies inside `outer`.
    bool contains(const DomElement& outer, const DomElement& inner) const;

  private:
    std::vector<DomElement> elements_;
};

}  // namespace html_test
