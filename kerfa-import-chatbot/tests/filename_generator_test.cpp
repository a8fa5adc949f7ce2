#include "utils/filename_generator.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import_chatbot/converter.hpp"

namespace {

using import_chatbot::converter::strip_extension;
using import_chatbot::utils::generate_filename;
using import_chatbot::utils::resolve_duplicate_filename;
using import_chatbot::utils::UsedNames;

constexpr std::string_view kCreated = "2024-05-06T07:08:09.123456Z";

struct NameCase {
    const char* what;
    std::string title;
    std::string created;
    std::string extension;
    std::string expected;
};

TEST(GenerateFilename, BuildsNamesFromTitleDateAndExtension) {
    const std::string c(kCreated);
    const std::vector<NameCase> cases = {
        {"characters removed, blanks collapsed", "Trip: plan / B?", c, ".md",
         "2024-05-06 - Trip plan B.md"},
        {"all forbidden characters", "a<b>c:d\"e/f\\g|h?i*j", c, ".kerfa",
         "2024-05-06 - abcdefghij.kerfa"},
        {"white space around and inside", " \t\n a \r\n\t b \n", c, ".kerfa",
         "2024-05-06 - a b.kerfa"},
        {"Unicode white space collapses", "a\u00A0\u3000b\u2028", c, ".kerfa",
         "2024-05-06 - a b.kerfa"},
        {"untitled with full time", "Untitled", c, ".kerfa", "2024-05-06 Untitled 07-08-09.kerfa"},
        {"empty title is untitled", "", c, ".md", "2024-05-06 Untitled 07-08-09.md"},
        {"untitled, empty created", "Untitled", "", ".kerfa", "0000-00-00 Untitled 00-00-00.kerfa"},
        {"untitled, 10-byte created", "Untitled", "2024-05-06", ".kerfa",
         "2024-05-06 Untitled 00-00-00.kerfa"},
        {"untitled, 18-byte created", "Untitled", "2024-05-06T07:08:0", ".kerfa",
         "2024-05-06 Untitled 00-00-00.kerfa"},
        {"untitled, 19-byte created", "Untitled", "2024-05-06T07:08:09", ".kerfa",
         "2024-05-06 Untitled 07-08-09.kerfa"},
        {"9-byte created gives the date placeholder", "a", "2024-05-0", ".kerfa",
         "0000-00-00 - a.kerfa"},
        {"lower-case untitled is a title", "untitled", c, ".kerfa", "2024-05-06 - untitled.kerfa"},
        {"blank before Untitled makes a title", " Untitled", c, ".kerfa",
         "2024-05-06 - Untitled.kerfa"},
        {"title cleaning to nothing", "<>?", c, ".kerfa", "2024-05-06 - .kerfa"},
        {"blank title cleans to nothing", " \t ", c, ".kerfa", "2024-05-06 - .kerfa"},
        {"120 bytes cut at 100", std::string(120, 'x'), c, ".kerfa",
         "2024-05-06 - " + std::string(100, 'x') + ".kerfa"},
        {"401 bytes cut at 100", std::string(401, 'y'), c, ".kerfa",
         "2024-05-06 - " + std::string(100, 'y') + ".kerfa"},
        {"exactly 100 bytes stay", std::string(100, 'z'), c, ".kerfa",
         "2024-05-06 - " + std::string(100, 'z') + ".kerfa"},
        {"cut ending in a blank is trimmed", std::string(99, 'x') + " " + std::string(20, 'y'), c,
         ".kerfa", "2024-05-06 - " + std::string(99, 'x') + ".kerfa"},
        {"cut inside a character moves back", std::string(99, 'x') + "\u00E9" + "tail", c, ".kerfa",
         "2024-05-06 - " + std::string(99, 'x') + ".kerfa"},
        {"character ending at byte 100 stays", std::string(98, 'x') + "\u00E9" + "tail", c,
         ".kerfa", "2024-05-06 - " + std::string(98, 'x') + "\u00E9.kerfa"},
        {"NUL and controls removed from the title", std::string("a\0b\x01\x7F", 5) + "c", c,
         ".kerfa", "2024-05-06 - abc.kerfa"},
        {"white-space controls collapse",
         "a\x0B\x0C\x0D"
         "b",
         c, ".kerfa", "2024-05-06 - a b.kerfa"},
        {"slashes in created removed", "a", "../../evil/x", ".kerfa", "....evil - a.kerfa"},
        {"NUL in created removed", "a", std::string("2024\0-05-06", 11), ".kerfa",
         "2024-05-0 - a.kerfa"},
        {"forbidden and controls in the time removed", "Untitled",
         std::string("2024-05-06T0/:\n\0?|*Z", 19), ".kerfa", "2024-05-06 Untitled 0-.kerfa"},
        {"date cut inside a character moves back", "a", "2024-05-0\u00E9rest", ".kerfa",
         "2024-05-0 - a.kerfa"},
        {"time start moves forward to a character", "Untitled", "2024-05-06\u20AC08:09:10",
         ".kerfa", "2024-05-06 Untitled 08-09-.kerfa"},
        {"time end moves back to a character", "Untitled", "2024-05-06T07:08:0\u00E9", ".kerfa",
         "2024-05-06 Untitled 07-08-0.kerfa"},
        {"slash in the extension removed", "a", c, "./x", "2024-05-06 - a.x"},
    };
    for (const NameCase& n : cases) {
        EXPECT_EQ(generate_filename(n.title, n.created, n.extension), n.expected) << n.what;
    }
}

TEST(StripExtension, CutsAtTheLastDot) {
    EXPECT_EQ(strip_extension("a.b.kerfa"), "a.b");
    EXPECT_EQ(strip_extension(".kerfa"), "");
    EXPECT_EQ(strip_extension("notes"), "notes");
    EXPECT_EQ(strip_extension("report.final.md"), "report.final");
    EXPECT_EQ(strip_extension(""), "");
}

// Gives out a name as the converter does.
std::string give_out(UsedNames& used, std::string_view name, std::string_view extension) {
    std::string result = resolve_duplicate_filename(name, used, extension);
    used.insert(result);
    return result;
}

TEST(ResolveDuplicateFilename, NumbersRepeatedNamesFromTwo) {
    UsedNames used;
    EXPECT_EQ(give_out(used, "X.kerfa", ".kerfa"), "X.kerfa");
    EXPECT_EQ(give_out(used, "X.kerfa", ".kerfa"), "X - 2.kerfa");
    EXPECT_EQ(give_out(used, "X.kerfa", ".kerfa"), "X - 3.kerfa");
    EXPECT_EQ(give_out(used, "x.kerfa", ".kerfa"), "x.kerfa");  // letter case differs
    // A name without the extension keeps its whole self as the stem.
    EXPECT_EQ(give_out(used, "X.kerfa", ".md"), "X.kerfa - 2.md");
}

TEST(ResolveDuplicateFilename, SkipsNamesAlreadyGivenOut) {
    UsedNames used;
    used.insert("X.kerfa");
    used.insert("X - 2.kerfa");
    EXPECT_EQ(resolve_duplicate_filename("X.kerfa", used, ".kerfa"), "X - 3.kerfa");
    // Not inserted: the same search gives the same name again.
    EXPECT_EQ(resolve_duplicate_filename("X.kerfa", used, ".kerfa"), "X - 3.kerfa");
    used.insert("X - 4.kerfa");
    used.insert("X - 3.kerfa");
    EXPECT_EQ(resolve_duplicate_filename("X.kerfa", used, ".kerfa"), "X - 5.kerfa");
}

TEST(ResolveDuplicateFilename, ManyEqualTitlesGetConsecutiveNumbers) {
    UsedNames used;
    EXPECT_EQ(give_out(used, "T.md", ".md"), "T.md");
    for (int n = 2; n <= 2000; ++n) {
        ASSERT_EQ(give_out(used, "T.md", ".md"), "T - " + std::to_string(n) + ".md");
    }
    // A name made elsewhere that matches a future candidate is still skipped.
    used.insert("T - 2001.md");
    EXPECT_EQ(give_out(used, "T.md", ".md"), "T - 2002.md");
}

TEST(ResolveDuplicateFilename, ImageFoldersCountAsTaken) {
    // A title "README.kerfa" gives a document whose image folder is another document's file.
    UsedNames first_folder;
    EXPECT_EQ(give_out(first_folder, "D - README.kerfa.kerfa", ".kerfa"), "D - README.kerfa.kerfa");
    EXPECT_EQ(give_out(first_folder, "D - README.kerfa", ".kerfa"), "D - README - 2.kerfa");

    UsedNames first_file;
    EXPECT_EQ(give_out(first_file, "D - README.kerfa", ".kerfa"), "D - README.kerfa");
    EXPECT_EQ(give_out(first_file, "D - README.kerfa.kerfa", ".kerfa"),
              "D - README.kerfa - 2.kerfa");

    // Nothing changes when nothing collides.
    UsedNames plain;
    EXPECT_EQ(give_out(plain, "A.kerfa", ".kerfa"), "A.kerfa");
    EXPECT_EQ(give_out(plain, "B.kerfa", ".kerfa"), "B.kerfa");
    EXPECT_EQ(give_out(plain, "A - 2.kerfa", ".kerfa"), "A - 2.kerfa");
}

}  // namespace
