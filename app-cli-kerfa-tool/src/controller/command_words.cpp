#include "controller/command_words.hpp"

#include <initializer_list>
#include <string_view>
#include <unordered_map>

namespace kerfa_tool::controller {
namespace {

using types::ConvertTarget;
using Table = std::unordered_map<std::string_view, CommandWord>;

void add(Table& table, CommandWord word, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) {
        table.emplace(name, word);
    }
}

void add_convert(Table& table, ConvertTarget target,
                 std::initializer_list<std::string_view> names) {
    add(table, CommandWord{CommandKind::Convert, target}, names);
}

Table build_table() {
    Table table;
    add(table, {CommandKind::Help}, {"h", "help"});
    add(table, {CommandKind::PrintAppInfo},
        {"i", "v", "app", "ver", "info", "version", "app-info"});
    add(table, {CommandKind::Stats}, {"stat", "stats", "statistics"});
    add(table, {CommandKind::Test}, {"c", "t", "ch", "test", "check"});
    add_convert(table, ConvertTarget::Headings,
                {"head", "heading", "headings", "to-head", "to_head", "to-heading", "to_heading",
                 "to-headings", "to_headings"});
    add_convert(table, ConvertTarget::Html, {"html", "to-html", "to_html"});
    add_convert(table, ConvertTarget::Markdown,
                {"md", "mark", "markdown", "to-markdown", "to_markdown"});
    add_convert(table, ConvertTarget::Kerfa, {"kerfa", "to-kerfa", "to_kerfa"});
    add_convert(table, ConvertTarget::KerfaIndented,
                {"ind", "indented", "kerfa-indented", "kerfa_indented", "to-kerfa-indented",
                 "to_kerfa_indented"});
    add_convert(table, ConvertTarget::KerfaMin,
                {"min", "kerfa-min", "kerfa_min", "min_kerfa", "to-kerfa-min", "to_kerfa_min",
                 "to-min-kerfa", "to_min_kerfa", "kerfa-minimalist", "kerfa_minimalist",
                 "minimalist_kerfa", "to-kerfa-minimalist", "to_kerfa_minimalist",
                 "to-minimalist-kerfa", "to_minimalist_kerfa"});
    add_convert(table, ConvertTarget::KerfaV1,
                {"v1", "kerfa-1", "kerfa_1", "kerfa-v1", "kerfa_v1", "to-kerfa-1", "to_kerfa_1",
                 "to-kerfa-v1", "to_kerfa_v1"});
    add_convert(
        table, ConvertTarget::Structure,
        {"s", "struct", "structure", "to-struct", "to_struct", "to-structure", "to_structure"});
    add_convert(table, ConvertTarget::Text, {"txt", "text", "to-txt", "to-text"});
    add(table, {CommandKind::PrintSource}, {"src", "source"});
    add(table, {CommandKind::Hash}, {"hash"});
    add(table, {CommandKind::AiChats},
        {"ai", "ai-chats", "ai-history", "convert-ai", "convert-ai-chats", "convert-ai-history"});
    add(table, {CommandKind::Index}, {"index", "index-dir", "index-directory"});
    return table;
}

}  // namespace

std::optional<CommandWord> find_command_word(std::string_view word) {
    static const Table table = build_table();
    auto found = table.find(word);
    if (found == table.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace kerfa_tool::controller
