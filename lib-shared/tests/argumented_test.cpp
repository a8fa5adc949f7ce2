#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "shared/components/argumented.hpp"

namespace {

using shared::components::Argumented;

std::vector<std::string> sorted_flags(const Argumented& reader) {
    std::vector<std::string> flags(reader.flags().begin(), reader.flags().end());
    std::sort(flags.begin(), flags.end());
    return flags;
}

std::vector<std::string> positional_of(const Argumented& reader) {
    return {reader.positional().begin(), reader.positional().end()};
}

TEST(Argumented, ClassifiesEachArgumentByItsShape) {
    struct Case {
        std::vector<std::string> arguments;
        std::vector<std::string> positional;
        std::vector<std::string> flags;  // sorted
        std::vector<std::pair<std::string, std::string>> named;
    };
    const std::vector<Case> cases = {
        {{"html", "in.kerfa", "out.html"}, {"html", "in.kerfa", "out.html"}, {}, {}},
        {{"--Section=Intro Part"}, {}, {"section"}, {{"section", "Intro Part"}}},
        {{"--silent=no"}, {}, {"silent"}, {{"silent", "no"}}},
        {{"--a=1", "--A=2"}, {}, {"a"}, {{"a", "2"}}},
        {{"--=v"}, {}, {""}, {{"", "v"}}},
        {{"--name="}, {}, {"name"}, {{"name", ""}}},
        {{"--q=a=b=c"}, {}, {"q"}, {{"q", "a=b=c"}}},
        {{"--"}, {}, {""}, {}},
        {{"--SP"}, {}, {"sp"}, {}},
        {{"-sp"}, {}, {"p", "s"}, {}},
        {{"-SP"}, {}, {"p", "s"}, {}},
        {{"-x=1"}, {}, {"1", "=", "x"}, {}},
        {{"-"}, {}, {}, {}},
        {{""}, {""}, {}, {}},
        {{"a", "-s", "b", "--x", "c"}, {"a", "b", "c"}, {"s", "x"}, {}},
        // Lower-casing is the full mapping: the whole name after two dashes, each character
        // on its own after one dash (U+0130 becomes two characters, still one name).
        {{"--ÉTÉ"}, {}, {"été"}, {}},
        {{"--\u039f\u0394\u039f\u03a3"}, {}, {"\u03bf\u03b4\u03bf\u03c2"}, {}},
        {{"-\u0130"}, {}, {"i\u0307"}, {}},
        {{"-\u212a"}, {}, {"k"}, {}},
        {{"-\u03a3"}, {}, {"\u03c3"}, {}},
        // Bytes that are not UTF-8 are kept.
        {{"--N\xff=V\xfe", "\xff"}, {"\xff"}, {"n\xff"}, {{"n\xff", "V\xfe"}}},
        {{"-\xff"
          "A"},
         {},
         {"a", "\xff"},
         {}},
    };
    for (const Case& c : cases) {
        const Argumented reader = Argumented::from_vec(c.arguments);
        const std::string label = c.arguments.empty() ? "" : c.arguments.front();
        EXPECT_EQ(positional_of(reader), c.positional) << label;
        EXPECT_EQ(sorted_flags(reader), c.flags) << label;
        EXPECT_EQ(reader.named().size(), c.named.size()) << label;
        for (const auto& [name, value] : c.named) {
            const auto found = reader.named().find(name);
            ASSERT_NE(found, reader.named().end()) << label;
            EXPECT_EQ(found->second, value) << label;
        }
    }
}

TEST(Argumented, AnswersByAliasListsInAnyCase) {
    const Argumented reader =
        Argumented::from_vec({"--Output=Out.HTML", "--section=", "-SP", "--private=false"});

    EXPECT_EQ(reader.named_value({"OUTPUT"}), "Out.HTML");
    EXPECT_EQ(reader.named_value({"o", "output"}), "Out.HTML");
    // Found but empty is a value, not none.
    EXPECT_EQ(reader.named_value({"section", "sec"}), "");
    // The first name of the list that has a value wins, whatever the line's order.
    EXPECT_EQ(reader.named_value({"private", "output"}), "false");
    EXPECT_EQ(reader.named_value({"s"}), std::nullopt);
    EXPECT_EQ(reader.named_value({}), std::nullopt);

    EXPECT_TRUE(reader.has_named({"private", "p"}));
    EXPECT_TRUE(reader.has_named({"silent", "s"}));
    // A value does not turn a flag off.
    EXPECT_TRUE(reader.has_named({"PRIVATE"}));
    EXPECT_TRUE(reader.has_named({"output"}));
    EXPECT_FALSE(reader.has_named({"sp"}));
    EXPECT_FALSE(reader.has_named({}));
    EXPECT_FALSE(Argumented::from_vec({}).has_named({"s"}));
}

TEST(Argumented, NextTakesPositionalsInOrderThenNone) {
    Argumented reader = Argumented::from_vec({"-s", "first", "--x=1", "second"});
    EXPECT_EQ(reader.next(), "first");
    EXPECT_EQ(reader.next(), "second");
    EXPECT_EQ(reader.next(), std::nullopt);
    EXPECT_EQ(reader.next(), std::nullopt);
}

TEST(Argumented, FromArgvSkipsTheProgramName) {
    const char* argv[] = {"kerfa-tool", "hash", "-S", "a.kerfa", nullptr};
    Argumented reader = Argumented::from_argv(4, argv);
    EXPECT_EQ(reader.next(), "hash");
    EXPECT_EQ(reader.next(), "a.kerfa");
    EXPECT_TRUE(reader.has_named({"s"}));
}

}  // namespace
