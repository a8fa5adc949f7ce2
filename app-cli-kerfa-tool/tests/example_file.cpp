#include "example_file.hpp"

#include <charconv>
#include <cstddef>
#include <set>

namespace examples {
namespace {

constexpr std::string_view kCase = "=== ";
constexpr std::string_view kBlock = "--- ";
constexpr std::string_view kCommand = "$ kerfa-tool";
constexpr std::string_view kNoLineFeed = "\\ no line feed at end";

bool starts_block_or_case(std::string_view line) {
    return line.starts_with(kCase) || line.starts_with(kBlock);
}

std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            lines.push_back(text);
            break;
        }
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string> split_arguments(std::string_view text) {
    std::vector<std::string> arguments;
    while (!text.empty()) {
        const std::size_t end = text.find(' ');
        if (end != 0) {
            arguments.emplace_back(text.substr(0, end));
        }
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return arguments;
}

// Where the blocks of a case stand: each may come only after those before it.
enum class Stage { inputs, out, err, status };

class Parser {
  public:
    Parser(std::string_view name, std::string_view text) : name_(name), lines_(split_lines(text)) {}

    std::expected<File, std::string> run() {
        File file;
        while (at_ < lines_.size() && !lines_[at_].starts_with(kCase)) {
            const std::string_view line = lines_[at_];
            if (!line.empty() && !line.starts_with('#')) {
                return fail(at_, "expected a comment line (\"# ...\") or a case (\"=== name\")");
            }
            file.comment.emplace_back(line);
            ++at_;
        }
        if (at_ == lines_.size()) {
            return fail(at_, "no case (a case begins with \"=== name\")");
        }
        std::set<std::string> names;
        while (at_ < lines_.size()) {
            std::expected<Case, std::string> next = parse_case();
            if (!next) {
                return std::unexpected(next.error());
            }
            if (!names.insert(next->name).second) {
                return fail(static_cast<std::size_t>(next->line - 1),
                            "a second case named \"" + next->name + "\"");
            }
            file.cases.push_back(std::move(*next));
        }
        return file;
    }

  private:
    std::unexpected<std::string> fail(std::size_t index, const std::string& what) const {
        return std::unexpected(name_ + ":" + std::to_string(index + 1) + ": " + what);
    }

    std::expected<Case, std::string> parse_case() {
        Case c;
        c.line = static_cast<int>(at_ + 1);
        c.name = lines_[at_].substr(kCase.size());
        if (c.name.empty()) {
            return fail(at_, "a case with no name");
        }
        ++at_;
        if (at_ == lines_.size() || !lines_[at_].starts_with(kCommand) ||
            (lines_[at_].size() > kCommand.size() && lines_[at_][kCommand.size()] != ' ')) {
            return fail(
                at_, "expected the command line \"$ kerfa-tool ...\" after \"=== " + c.name + "\"");
        }
        c.command = lines_[at_].substr(2);
        c.arguments = split_arguments(lines_[at_].substr(kCommand.size()));
        ++at_;
        if (at_ < lines_.size() && !starts_block_or_case(lines_[at_])) {
            return fail(at_, "expected a block (\"--- name\") after the command line");
        }
        Stage stage = Stage::inputs;
        while (at_ < lines_.size() && lines_[at_].starts_with(kBlock)) {
            std::expected<void, std::string> done = parse_block(c, stage);
            if (!done) {
                return std::unexpected(done.error());
            }
        }
        if (stage == Stage::inputs) {
            return fail(static_cast<std::size_t>(c.line - 1),
                        "the case \"" + c.name + "\" has no \"--- stdout\" block");
        }
        return c;
    }

    std::expected<void, std::string> parse_block(Case& c, Stage& stage) {
        const std::size_t header = at_;
        const std::string label(lines_[at_].substr(kBlock.size()));
        ++at_;
        const std::expected<std::string, std::string> bytes = block_bytes();
        if (!bytes) {
            return std::unexpected(bytes.error());
        }
        if (label == "stdout" || label == "stderr") {
            const bool out = label == "stdout";
            if (stage != (out ? Stage::inputs : Stage::out)) {
                return fail(header, out ? "a second \"--- stdout\" block"
                                        : "\"--- stderr\" must come right after \"--- stdout\"");
            }
            (out ? c.out : c.err.emplace()) = *bytes;
            stage = out ? Stage::out : Stage::err;
            return {};
        }
        if (label == "status" || label.starts_with("status ")) {
            return parse_status(c, stage, header, label, *bytes);
        }
        if (stage != Stage::inputs) {
            return fail(header, "the input \"" + label + "\" comes after \"--- stdout\"");
        }
        if (label.empty() || label.find('/') != std::string::npos || label == "." ||
            label == "..") {
            return fail(header, "an input needs a plain file name, not \"" + label + "\"");
        }
        for (const InputFile& input : c.inputs) {
            if (input.name == label) {
                return fail(header, "a second input named \"" + label + "\"");
            }
        }
        c.inputs.push_back({label, *bytes});
        return {};
    }

    std::expected<void, std::string> parse_status(Case& c, Stage& stage, std::size_t header,
                                                  std::string_view label,
                                                  std::string_view bytes) const {
        const std::string_view digits = label.substr(std::string_view("status").size());
        int status = -1;
        const char* end = digits.data() + digits.size();
        if (!digits.starts_with(' ') ||
            std::from_chars(digits.data() + 1, end, status).ptr != end || status < 0 ||
            status > 255) {
            return fail(header, "expected \"--- status N\" with N from 0 to 255");
        }
        if (stage != Stage::out && stage != Stage::err) {
            return fail(header, "\"--- status\" must come after \"--- stdout\" or \"--- stderr\"");
        }
        if (!bytes.empty()) {
            return fail(header + 1, "\"--- status N\" is one line, with no lines under it");
        }
        c.status = status;
        stage = Stage::status;
        return {};
    }

    // The lines up to the next block or case, each with its line feed.
    std::expected<std::string, std::string> block_bytes() {
        std::string bytes;
        while (at_ < lines_.size() && !starts_block_or_case(lines_[at_])) {
            if (lines_[at_] == kNoLineFeed &&
                (at_ + 1 == lines_.size() || starts_block_or_case(lines_[at_ + 1]))) {
                if (bytes.empty()) {
                    return fail(at_, "\"" + std::string(kNoLineFeed) + "\" with no line before it");
                }
                bytes.pop_back();
            } else {
                bytes.append(lines_[at_]).push_back('\n');
            }
            ++at_;
        }
        return bytes;
    }

    std::string name_;
    std::vector<std::string_view> lines_;
    std::size_t at_ = 0;
};

std::expected<void, std::string> print_block(std::string& text, const Case& c,
                                             std::string_view label, std::string_view bytes) {
    text.append(kBlock).append(label).push_back('\n');
    for (const std::string_view line : split_lines(bytes)) {
        if (starts_block_or_case(line)) {
            return std::unexpected("case \"" + c.name + "\": " + std::string(label) +
                                   " holds the line \"" + std::string(line) +
                                   "\", which an example file would read as a new block or case");
        }
    }
    if (!split_lines(bytes).empty() && split_lines(bytes).back() == kNoLineFeed) {
        return std::unexpected("case \"" + c.name + "\": " + std::string(label) +
                               " ends with a line an example file reads as its end marker");
    }
    text.append(bytes);
    if (!bytes.empty() && !bytes.ends_with('\n')) {
        text.append("\n").append(kNoLineFeed).push_back('\n');
    }
    return {};
}

}  // namespace

std::expected<File, std::string> parse(std::string_view name, std::string_view text) {
    return Parser(name, text).run();
}

std::expected<std::string, std::string> print(const File& file) {
    std::string text;
    for (const std::string& line : file.comment) {
        text.append(line).push_back('\n');
    }
    for (const Case& c : file.cases) {
        text.append(kCase).append(c.name).push_back('\n');
        text.append("$ ").append(c.command).push_back('\n');
        std::expected<void, std::string> done;
        for (const InputFile& input : c.inputs) {
            if (done) {
                done = print_block(text, c, input.name, input.bytes);
            }
        }
        if (done) {
            done = print_block(text, c, "stdout", c.out);
        }
        if (done && c.err) {
            done = print_block(text, c, "stderr", *c.err);
        }
        if (!done) {
            return std::unexpected(done.error());
        }
        if (c.status) {
            text.append(kBlock).append("status ").append(std::to_string(*c.status)).push_back('\n');
        }
    }
    return text;
}

}  // namespace examples
