#include "utils/pretty_json.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "json_fixture.hpp"

namespace {

using import_chatbot::utils::pretty_json;
using import_chatbot::utils::shortest_float;
using import_chatbot_test::Json;

TEST(PrettyJson, IndentsAndSortsKeysByBytes) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"b":1,"a":[true]})", "{\n  \"a\": [\n    true\n  ],\n  \"b\": 1\n}"},
        {"{}", "{}"},
        {"[]", "[]"},
        {R"({"x":{},"y":[],"z":[[],{}]})",
         "{\n  \"x\": {},\n  \"y\": [],\n  \"z\": [\n    [],\n    {}\n  ]\n}"},
        {R"({"b":{"d":1,"c":[1,[2,{"f":null,"e":false}]]},"a":"s"})",
         "{\n  \"a\": \"s\",\n  \"b\": {\n    \"c\": [\n      1,\n      [\n        2,\n        {\n"
         "          \"e\": false,\n          \"f\": null\n        }\n      ]\n    ],\n"
         "    \"d\": 1\n  }\n}"},
        // Byte order: upper case before lower case, non-ASCII last.
        {R"({"\u00e9":1,"b":2,"B":3,"a b":4})",
         "{\n  \"B\": 3,\n  \"a b\": 4,\n  \"b\": 2,\n  \"\u00e9\": 1\n}"},
        // A later duplicate key wins, containers included.
        {R"({"a":[1,2],"a":{"z":1},"b":1,"b":2})",
         "{\n  \"a\": {\n    \"z\": 1\n  },\n  \"b\": 2\n}"},
        {R"(["q\"uote\\\n\u0001\/ 1.5e3","\u00e9\u2028"])",
         "[\n  \"q\\\"uote\\\\\\n\\u0001/ 1.5e3\",\n  \"\u00e9\u2028\"\n]"},
        {"[-5,18446744073709551615,-9223372036854775808,0]",
         "[\n  -5,\n  18446744073709551615,\n  -9223372036854775808,\n  0\n]"},
        {"[1.0,0.1,1e16,1e-7,-2.5E+300,1E2,123.456]",
         "[\n  1.0,\n  0.1,\n  1e16,\n  1e-7,\n  -2.5e300,\n  100.0,\n  123.456\n]"},
        {"\"text\"", "\"text\""},
        {"null", "null"},
    };
    for (const auto& [json, expected] : cases) {
        EXPECT_EQ(pretty_json(Json(json)), expected) << json;
    }
}

TEST(PrettyJson, FollowsTheParsersDepth) {
    const std::string deep = std::string(1000, '[') + std::string(1000, ']');
    const std::string text = pretty_json(Json(deep));
    EXPECT_TRUE(text.starts_with("[\n  [\n    ["));
    EXPECT_TRUE(text.ends_with("]\n  ]\n]"));
}

TEST(ShortestFloat, WritesTheShortestDigitsInPlainOrExponentForm) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.0, "0.0"},
        {-0.0, "-0.0"},
        {1.0, "1.0"},
        {-1.5, "-1.5"},
        {0.1, "0.1"},
        {0.3, "0.3"},
        {0.1 + 0.2, "0.30000000000000004"},
        {123.456, "123.456"},
        {1e15, "1000000000000000.0"},
        {1234567890123456.0, "1234567890123456.0"},
        {1e16, "1e16"},
        {1.5e16, "1.5e16"},
        {12345678901234567890.0, "1.2345678901234567e19"},
        {0.0001, "0.0001"},
        {0.00001, "0.00001"},
        {0.000001, "1e-6"},
        {1.25e-7, "1.25e-7"},
        {1e300, "1e300"},
        {std::numeric_limits<double>::max(), "1.7976931348623157e308"},
        {std::numeric_limits<double>::denorm_min(), "5e-324"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(shortest_float(value), text) << text;
    }
}

}  // namespace
