#pragma once

#include <cstdint>
#include <variant>

namespace kerfa_content::data::types {

// A heading marker; the level counts from 0 (one number sign).
struct Heading {
    std::uint8_t level;
    bool operator==(const Heading&) const = default;
};

struct Tagline {
    bool operator==(const Tagline&) const = default;
};

// Marks the line that it starts. Alternatives in order: Heading, Tagline.
class LineProperty : public std::variant<Heading, Tagline> {
  public:
    using Heading = types::Heading;
    using Tagline = types::Tagline;
    using variant::variant;

    bool operator==(const LineProperty& other) const = default;
};

// The end of a line; carriage_return tells whether it held a carriage return.
struct LineBreak {
    bool carriage_return = false;
    bool operator==(const LineBreak&) const = default;
};

// Closes the innermost open span.
struct PropertyTerminator {
    bool operator==(const PropertyTerminator&) const = default;
};

}  // namespace kerfa_content::data::types
