#include "formatters/formatter.hpp"

#include "formatters/kerfa_formatter.hpp"
#include "formatters/markdown_formatter.hpp"

namespace import_chatbot::formatters {

std::unique_ptr<Formatter> formatter(OutputFormat format) {
    switch (format) {
        case OutputFormat::Markdown:
            return std::make_unique<markdown_formatter::MarkdownFormatter>();
        case OutputFormat::Kerfa:
            break;
    }
    return std::make_unique<kerfa_formatter::KerfaFormatter>();
}

}  // namespace import_chatbot::formatters
