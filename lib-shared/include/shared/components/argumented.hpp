#pragma once

#include <deque>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shared/utils/string_hash.hpp"

namespace shared::components {

// The command line sorted once by the shape of each argument: "--name=value" (a value and a
// flag), "--name" (a flag), "-abc" (one flag per character), anything else positional. It knows
// no option names; names are compared lower-cased, values keep their case. Arguments that are not
// UTF-8 are kept as bytes.
class Argumented {
  public:
    // The process arguments without the program name.
    static Argumented from_argv(int argc, const char* const* argv);
    static Argumented from_vec(std::vector<std::string> arguments);

    // Takes the first remaining positional argument.
    std::optional<std::string> next();

    // The value of the first name in the list that was given with "=".
    std::optional<std::string_view> named_value(std::span<const std::string_view> names) const;
    std::optional<std::string_view> named_value(
        std::initializer_list<std::string_view> names) const {
        return named_value(std::span<const std::string_view>(names.begin(), names.size()));
    }

    // Whether any name of the list was given as a flag (with or without a value).
    bool has_named(std::span<const std::string_view> names) const;
    bool has_named(std::initializer_list<std::string_view> names) const {
        return has_named(std::span<const std::string_view>(names.begin(), names.size()));
    }

    const std::deque<std::string>& positional() const { return positional_; }
    const utils::StringSet& flags() const { return flags_; }
    const utils::StringMap<std::string>& named() const { return named_; }

  private:
    void classify(std::string argument);

    std::deque<std::string> positional_;
    utils::StringSet flags_;
    utils::StringMap<std::string> named_;
};

}  // namespace shared::components
