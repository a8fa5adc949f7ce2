#include "kerfa_document_manager/components/convertors/convertor.hpp"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kerfa_document_manager/configure/parser_factory.hpp"

namespace kerfa_document_manager::components::convertors {
namespace {

kerfa_content::data::types::Document document_of(std::string_view text) {
    auto parse = configure::ParserFactory::with_setup({}, configure::DoubleTagMode::RemovePrivate)
                     .parse_from(text, kerfa_content::types::Source::file("a.kerfa"));
    return kerfa_content::modules::parser::types::to_document(
        std::move(parse), kerfa_content::types::Source::file("a.kerfa"));
}

TEST(Convertor, CanonicalKerfaIsTargetThree) {
    const auto document = document_of("<meta>Title: T<>\n# A\n<b>x<> <strikethrough>y<>\n");
    ASSERT_TRUE(has_writer(ConvertTarget::Kerfa));
    EXPECT_EQ(convert(document, ConvertTarget::Kerfa),
              "<metadata>title: T<>\n# A\n<bold>x<> <strike>y<>\n");
    EXPECT_FALSE(has_writer(static_cast<ConvertTarget>(9)));
}

TEST(Convertor, HeadingsMarkdownAndTextAreTargetsZeroTwoAndEight) {
    const auto document = document_of("# A\n<b>x_y<>\n## B\n<bullet>1\n2<>\n");
    EXPECT_EQ(convert(document, static_cast<ConvertTarget>(0)), "A\n\tB");
    EXPECT_EQ(convert(document, static_cast<ConvertTarget>(2)), "# A\n**x\\_y**\n## B\n- 1\n- 2\n");
    EXPECT_EQ(convert(document, static_cast<ConvertTarget>(8)),
              "# A\nx_y\n\n## B\n\u2022 1\n\u2022 2\n");
}

TEST(Convertor, TheOtherKerfaFormsAndTheTwoViews) {
    const auto document = document_of("<meta>Title: T<>\n# A\n<b>x<>\n");
    struct Case {
        ConvertTarget target;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {ConvertTarget::KerfaMin, "<meta>title: T<>\n# A\n<b>x<>\n"},
        {ConvertTarget::KerfaV1, "# A\n<bold>x<>\n"},
        {ConvertTarget::Structure,
         "[Document : id: 0, name: \"\"]\n"
         "    [Metadata : ]\n"
         "        title                 T\n"
         "    [Section : id: 0, level: 0, name: \"A\"]\n"
         "        <<Heading>> level: 0\n"
         "        \"A\"\n"
         "        \\n\n"
         "        <bold>\n"
         "        \"x\"\n"
         "        <>\n"
         "        \\n\n"},
        {ConvertTarget::KerfaIndented,
         "<metadata>\n"
         "    title = T\n"
         "<>                                          \u2190 closes <metadata> (L1)\n"
         "\n"
         "# A\n"
         "<bold>\n"
         "    \"x\"\n"
         "<>                                          \u2190 closes <bold> (L6)\n"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(has_writer(c.target)) << static_cast<int>(c.target);
        EXPECT_EQ(convert(document, c.target), c.expected) << static_cast<int>(c.target);
    }
}

TEST(ConvertorDeathTest, AFormPastTheNineIsAnInternalFault) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto document = document_of("x");
    EXPECT_EXIT(convert(document, static_cast<ConvertTarget>(9)), ::testing::ExitedWithCode(101),
                "No writer for conversion target 9\\.");
}

}  // namespace
}  // namespace kerfa_document_manager::components::convertors
