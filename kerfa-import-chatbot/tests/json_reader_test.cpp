#include "utils/json_reader.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>

#include <string>

#include "import_chatbot/error.hpp"
#include "temp_folder.hpp"

namespace {

using import_chatbot::error::display;
using import_chatbot::error::JsonParseFailed;
using import_chatbot::error::ReadFailed;
using import_chatbot::utils::parse_json_file;
using import_chatbot::utils::read_json_record;
using import_chatbot_test::TempFolder;

std::string minified(simdjson::dom::element value) {
    return simdjson::minify(value);
}

TEST(ReadJsonRecord, GivesTheValueOrTheFirstElementOfAnArray) {
    const TempFolder folder;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"full_name":"Ada"})", R"({"full_name":"Ada"})"},
        {R"([{"full_name":"Ada"},{"full_name":"Bob"}])", R"({"full_name":"Ada"})"},
        {"[]", "null"},
        {" [ ] ", "null"},
        {"[[1,2],3]", "[1,2]"},
        {"42", "42"},
        {"\"text\"", "\"text\""},
        {"null", "null"},
    };
    for (const auto& [text, expected] : cases) {
        const auto record = read_json_record(folder.write("users.json", text));
        ASSERT_TRUE(record) << text;
        EXPECT_EQ(minified(record->root()), expected) << text;
    }
}

TEST(ReadJsonRecord, ValueOutlivesTheRead) {
    const TempFolder folder;
    auto record = read_json_record(folder.write("users.json", R"([{"a":["x","y"]}])"));
    ASSERT_TRUE(record);
    // Moved away from the reader and its file: the value still reads.
    auto kept = std::move(*record);
    std::string_view second;
    ASSERT_EQ(kept.root()["a"].at(1).get(second), simdjson::SUCCESS);
    EXPECT_EQ(second, "y");
}

TEST(ReadJsonRecord, FailuresNameTheFileAndTheCause) {
    const TempFolder folder;
    const std::string bad_utf8 = folder.write("bad.json", "{\"a\":\"\xC3\"}");
    const auto invalid = read_json_record(bad_utf8);
    ASSERT_FALSE(invalid);
    ASSERT_TRUE(std::holds_alternative<ReadFailed>(invalid.error()));
    EXPECT_EQ(display(invalid.error()),
              "Failed to read " + bad_utf8 + ": stream did not contain valid UTF-8");

    // Not JSON and also not UTF-8: the UTF-8 check comes first.
    const std::string both = folder.write("both.json", "{\xFF");
    EXPECT_TRUE(std::holds_alternative<ReadFailed>(read_json_record(both).error()));

    const std::string missing = folder.path("missing.json");
    EXPECT_EQ(display(read_json_record(missing).error()),
              "Failed to read " + missing + ": No such file or directory");
    EXPECT_EQ(display(read_json_record(folder.path()).error()),
              "Failed to read " + folder.path() + ": not a regular file");

    for (const std::string text : {"{", "[1,]", "[] []", "", "\xEF\xBB\xBF", "nul"}) {
        const std::string path = folder.write("not.json", text);
        const auto failed = read_json_record(path);
        ASSERT_FALSE(failed) << text;
        ASSERT_TRUE(std::holds_alternative<JsonParseFailed>(failed.error())) << text;
        EXPECT_TRUE(display(failed.error()).starts_with("Failed to parse JSON in " + path + ": "));
    }
    EXPECT_EQ(display(read_json_record(folder.write("t.json", "[1,]")).error()),
              "Failed to parse JSON in " + folder.path("t.json") +
                  ": The JSON document has an improper structure: missing or superfluous commas, "
                  "braces, missing keys, etc. at byte offset 3");
}

// Neither a FIFO (which would wait for a writer) nor a device (which may never end) is read.
TEST(ReadJsonRecord, ReadsOnlyRegularFiles) {
    const TempFolder folder;
    const std::string fifo = folder.path("fifo.json");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string zero = folder.path("zero.json");
    ASSERT_EQ(::symlink("/dev/zero", zero.c_str()), 0);
    for (const std::string& path : {fifo, zero}) {
        EXPECT_EQ(display(read_json_record(path).error()),
                  "Failed to read " + path + ": not a regular file");
    }
    const std::string linked = folder.path("linked.json");
    ASSERT_EQ(::symlink(folder.write("real.json", "[1]").c_str(), linked.c_str()), 0);
    EXPECT_TRUE(read_json_record(linked));
}

// Integers beyond 64 bits and -0 are floating-point numbers; the rest keep their kind.
TEST(ParseJsonFile, ReadsNumbersAsFloatsWhereIntegersCannotHoldThem) {
    const TempFolder folder;
    struct Case {
        std::string number;
        simdjson::dom::element_type type;
        double value;
    };
    using Type = simdjson::dom::element_type;
    const std::vector<Case> cases = {
        {"18446744073709551615", Type::UINT64, 18446744073709551615.0},
        {"18446744073709551616", Type::DOUBLE, 18446744073709551616.0},
        {"-9223372036854775808", Type::INT64, -9223372036854775808.0},
        {"-9223372036854775809", Type::DOUBLE, -9223372036854775809.0},
        {"123456789012345678901234567890", Type::DOUBLE, 1.2345678901234568e29},
        {"-0", Type::DOUBLE, -0.0},
        {"0", Type::INT64, 0.0},
        {"-0.0", Type::DOUBLE, -0.0},
        {"-0e1", Type::DOUBLE, -0.0},
    };
    for (const Case& c : cases) {
        // Inside strings (keys or values) the same digits are text, untouched.
        const std::string text =
            R"({"-0 \"x\" 18446744073709551616":[)" + c.number + R"(],"s":"\\" , "t":"a\"-0"})";
        const auto parsed = parse_json_file(folder.write("n.json", text));
        ASSERT_TRUE(parsed) << c.number << ": " << display(parsed.error());
        const simdjson::dom::element number =
            parsed->root()["-0 \"x\" 18446744073709551616"].at(0).value();
        EXPECT_EQ(number.type(), c.type) << c.number;
        const double read = number.get<double>().value();
        EXPECT_EQ(read, c.value) << c.number;
        EXPECT_EQ(std::signbit(read), std::signbit(c.value)) << c.number;
        EXPECT_EQ(parsed->root()["t"].get_string().value(), "a\"-0") << c.number;
    }
    const auto beyond = parse_json_file(folder.write("n.json", "[1" + std::string(400, '0') + "]"));
    ASSERT_FALSE(beyond);
    EXPECT_EQ(display(beyond.error()), "Failed to parse JSON in " + folder.path("n.json") +
                                           ": Problem while parsing a number at byte offset 1");
}

// A leading byte-order mark is skipped; offsets count the file's bytes, the mark included.
TEST(ParseJsonFile, SkipsALeadingByteOrderMark) {
    const TempFolder folder;
    const auto record = read_json_record(folder.write("u.json", "\xEF\xBB\xBF[{\"a\":1}]"));
    ASSERT_TRUE(record);
    EXPECT_EQ(minified(record->root()), R"({"a":1})");
    const std::string twice = folder.write("twice.json", "\xEF\xBB\xBF\xEF\xBB\xBF{}");
    EXPECT_TRUE(display(parse_json_file(twice).error()).ends_with(" at byte offset 3"));
}

// The offset is where the bytes stop being the start of a valid text, or where a value too deep
// or a number too large begins.
TEST(ParseJsonFile, ErrorsNameTheirByteOffset) {
    const TempFolder folder;
    const std::vector<std::pair<std::string, std::size_t>> cases = {
        {"", 0},
        {" \n ", 3},
        {"[1 2]", 3},
        {"{\"a\" 1}", 5},
        {"{\"a\":1,}", 7},
        {"[01]", 2},
        {"[1.]", 3},
        {"[-]", 2},
        {"[1e+]", 4},
        {"[tru]", 4},
        {"[nul", 4},
        {"\"a\\u00G0\"", 2},
        {"\"\\uD800x\"", 1},
        {"\"\\uDC00\"", 1},
        {"\"a\x01\"", 2},
        {"\"abc", 4},
        {"[] x", 3},
        {"[1e999]", 1},
        {"{\"a\":[}", 6},
        {std::string(1025, '[') + std::string(1025, ']'), 1024},
        {std::string(1024, '[') + "1" + std::string(1024, ']'), 1024},
    };
    for (const auto& [text, offset] : cases) {
        const auto failed = parse_json_file(folder.write("e.json", text));
        ASSERT_FALSE(failed) << text;
        EXPECT_TRUE(display(failed.error()).ends_with(" at byte offset " + std::to_string(offset)))
            << text << ": " << display(failed.error());
    }
}

TEST(ParseJsonFile, StopsAtTheParsersDepthLimit) {
    const TempFolder folder;
    const std::string deep = std::string(1024, '[') + std::string(1024, ']');
    EXPECT_TRUE(parse_json_file(folder.write("ok.json", deep)));
    const std::string deeper = std::string(1025, '[') + std::string(1025, ']');
    const auto failed = parse_json_file(folder.write("deep.json", deeper));
    ASSERT_FALSE(failed);
    EXPECT_TRUE(std::holds_alternative<JsonParseFailed>(failed.error()));
}

}  // namespace
