#include "shared/utils/console.hpp"

#include <string>

#include "shared/colors.hpp"
#include "shared/utils/stdout.hpp"

namespace shared::utils::console {

namespace {

// One checked write per line, so the line's bytes stay together.
void write_line(std::string_view open, std::string_view text, std::string_view close,
                std::string_view end) {
    std::string line;
    line.reserve(open.size() + text.size() + close.size() + end.size());
    line.append(open).append(text).append(close).append(end);
    write_stdout(line);
}

}  // namespace

void info(std::string_view text) {
    print_info(text);
}

void print_info(std::string_view text) {
    write_line(colors::INFO, text, colors::RESET_COLOR, "\n\n");
}

void error_str(std::string_view text) {
    print_error_str(text);
}

void print_error_str(std::string_view text) {
    write_line(colors::ERROR, text, colors::RESET_COLOR, "\n\n");
}

void short_heading(std::string_view text) {
    std::string open(colors::LIGHT_GREEN);
    open.append("──  ");
    std::string close("  ──────");
    close.append(colors::RESET_COLOR);
    write_line(open, text, close, "\n\n");
}

void color(std::string_view text) {
    write_line({}, text, colors::RESET_COLOR, "\n");
}

void nl() {
    write_stdout("\n");
}

}  // namespace shared::utils::console
