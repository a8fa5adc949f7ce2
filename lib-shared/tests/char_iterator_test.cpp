#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shared/components/char_iterator/char_iterator.hpp"
#include "shared/components/char_iterator/str_char_iterator.hpp"
#include "shared/types/namevalue.hpp"

namespace {

using shared::components::char_iterator::CharIterator;
using shared::components::char_iterator::StrCharIterator;

std::vector<char32_t> drain(CharIterator& source) {
    std::vector<char32_t> out;
    while (const auto c = source.next()) {
        out.push_back(*c);
    }
    return out;
}

TEST(StrCharIterator, DecodesEachCharacterOnce) {
    struct Case {
        std::string text;
        std::vector<char32_t> expected;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"abc", {U'a', U'b', U'c'}},
        {"aé€", {U'a', U'é', U'€'}},
        {"x\U0001F600y", {U'x', U'\U0001F600', U'y'}},
        // Not UTF-8: a lone continuation, a cut sequence, an overlong "/", a surrogate.
        {"a\x80z", {U'a', U'\uFFFD', U'z'}},
        {"\xE2\x82", {U'\uFFFD'}},
        {"\xC0\xAF", {U'\uFFFD', U'\uFFFD'}},
        {"\xED\xA0\x80", {U'\uFFFD', U'\uFFFD', U'\uFFFD'}},
    };
    for (const Case& c : cases) {
        StrCharIterator source(c.text);
        EXPECT_EQ(drain(source), c.expected) << c.text;
        EXPECT_EQ(source.next(), std::nullopt);
        EXPECT_EQ(source.next(), std::nullopt);
        EXPECT_EQ(source.position(), c.text.size());
    }
}

TEST(StrCharIterator, ToStringTakesTheRestAndEndsTheSource) {
    const std::string text = "aéb";
    const std::unique_ptr<CharIterator> source = StrCharIterator::boxed(text);
    EXPECT_EQ(source->next(), U'a');
    EXPECT_EQ(source->next(), U'é');
    EXPECT_EQ(source->to_string(), "b");
    EXPECT_EQ(source->next(), std::nullopt);
    EXPECT_EQ(source->to_string(), "");
    EXPECT_EQ(StrCharIterator::boxed("")->to_string(), "");
}

// A filter in the shape the parsers stack: uses the default to_string, so its effect shows.
class DropVowels final : public CharIterator {
  public:
    explicit DropVowels(std::unique_ptr<CharIterator> below) : below_(std::move(below)) {}
    std::optional<char32_t> next() override {
        for (auto c = below_->next(); c; c = below_->next()) {
            if (*c != U'a' && *c != U'e' && *c != U'o') {
                return c;
            }
        }
        return std::nullopt;
    }

  private:
    std::unique_ptr<CharIterator> below_;
};

TEST(CharIterator, DefaultToStringAppliesTheFilterAndEncodes) {
    DropVowels filter(StrCharIterator::boxed("hello wörld \U0001F600"));
    EXPECT_EQ(filter.next(), U'h');
    EXPECT_EQ(filter.to_string(), "ll wörld \U0001F600");
    EXPECT_EQ(filter.next(), std::nullopt);
}

TEST(NameValue, CopiesBothTexts) {
    std::string name = "title";
    std::string value = "Trip";
    const auto pair = shared::types::new_name_string(name, value);
    name[0] = 'X';
    value[0] = 'X';
    EXPECT_EQ(pair.name, "title");
    EXPECT_EQ(pair.value, "Trip");
}

}  // namespace
