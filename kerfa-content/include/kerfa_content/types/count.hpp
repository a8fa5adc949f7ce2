#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kerfa_content::types {

// A named counter with named child counters.
class Count {
  public:
    explicit Count(std::string name) : name(std::move(name)) {}
    Count(Count&&) noexcept = default;
    Count& operator=(Count&&) noexcept = default;
    ~Count();

    std::string name;
    std::int32_t count = 0;

    // The child of that name, created with the count 0 when missing; increments nothing.
    Count& add(std::string_view child);

    // The child of that name, or null.
    const Count* get(std::string_view child) const;
    Count* get(std::string_view child);

    // The names of all children, sorted ascending by their bytes.
    std::vector<std::string> child_names() const;

    bool has_children() const { return children_ != nullptr && !children_->empty(); }

  private:
    // Absent until the first child is added.
    std::unique_ptr<std::map<std::string, Count, std::less<>>> children_;
};

}  // namespace kerfa_content::types
