#include <string>

#include "kerfa_document_manager/components/convertors/convertor.hpp"
#include "kerfa_tool/utils_read.hpp"
#include "modules/output/conversion_output.hpp"
#include "modules/runners.hpp"

namespace kerfa_tool::modules {

// Read, parse, build the document, write it in the asked form; the output step writes the text.
CommandResult run_command(const Command::Convert& command, const Arguments& arguments) {
    return output::convert_to_output(
        command.file, arguments.output, arguments.silent,
        [&]() -> std::expected<std::string, types::ExitError> {
            auto retrieved = retrieve(command.file, arguments.privacy);
            if (!retrieved) {
                return std::unexpected(std::move(retrieved.error()));
            }
            // The document is released before the text is written.
            const auto document = to_document(command.file, std::move(retrieved->parse));
            return kerfa_document_manager::components::convertors::convert(document,
                                                                           command.target);
        });
}

}  // namespace kerfa_tool::modules
