#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kerfa_content::types {

// Metadata of a document or section: lower-cased keys to values (case kept). Kept in byte order
// of the keys so nothing read from it depends on insertion or hash order.
class Metadata {
  public:
    using Map = std::map<std::string, std::string, std::less<>>;

    Metadata() = default;

    // Stores the value under the lower-cased key, replacing an earlier value of that key
    // whatever the case it was written in.
    void insert(std::string_view key, std::string_view value);

    // The value stored under the lower-cased key.
    std::optional<std::string_view> get(std::string_view key) const;

    // All keys, sorted ascending by their bytes.
    std::vector<std::string_view> keys() const;

    // Inserts every pair in the order given, so of two names that differ only in case the later
    // one wins. Pass the pairs in line order to keep "the later line wins".
    template <class Pairs>
    void append_from_set(Pairs&& pairs) {
        for (auto&& [key, value] : pairs) {
            insert(key, value);
        }
    }

    bool is_empty() const { return data_.empty(); }
    std::size_t size() const { return data_.size(); }

    // The pairs in key order.
    const Map& data() const { return data_; }

    bool operator==(const Metadata&) const = default;

  private:
    Map data_;
};

}  // namespace kerfa_content::types
