#include "formatters/formatter.hpp"

#include "formatters/kerfa_formatter.hpp"
#include "formatters/markdown_formatter.hpp"
#include "formatters/shared.hpp"

namespace import_chatbot::formatters {

std::string Formatter::memory_filename(const model::MemoryCollection& collection) const {
    return shared::collection_filename("Memories", collection.date, file_extension());
}

std::string Formatter::project_filename(const model::MemoryCollection& collection) const {
    return shared::collection_filename("Projects", collection.date, file_extension());
}

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
