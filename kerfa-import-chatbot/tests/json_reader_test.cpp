#include "utils/json_reader.hpp"

#include <gtest/gtest.h>

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
              "Failed to read " + folder.path() + ": Is a directory");

    for (const std::string text : {"{", "[1,]", "[] []", "", "\xEF\xBB\xBF{}", "nul"}) {
        const std::string path = folder.write("not.json", text);
        const auto failed = read_json_record(path);
        ASSERT_FALSE(failed) << text;
        ASSERT_TRUE(std::holds_alternative<JsonParseFailed>(failed.error())) << text;
        EXPECT_TRUE(display(failed.error()).starts_with("Failed to parse JSON in " + path + ": "));
    }
    EXPECT_EQ(display(read_json_record(folder.write("t.json", "[1,]")).error()),
              "Failed to parse JSON in " + folder.path("t.json") +
                  ": The JSON document has an improper structure: missing or superfluous commas, "
                  "braces, missing keys, etc.");
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
