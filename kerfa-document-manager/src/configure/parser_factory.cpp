#include "kerfa_document_manager/configure/parser_factory.hpp"

#include "utils/source.hpp"

namespace kerfa_document_manager::configure {

using kerfa_content::modules::parser::Parser;

ParserFactory ParserFactory::with_setup(const kerfa_content::modules::FactorySetup& setup,
                                        DoubleTagMode mode) {
    return ParserFactory{setup, kerfa_parser_kerfa::configure::ParserFactory{setup, mode},
                         kerfa_parser_markdown::configure::ParserFactory{setup},
                         kerfa_parser_text::configure::ParserFactory{setup}};
}

types::DocumentType ParserFactory::document_type(const kerfa_content::types::Source& source) {
    const auto extension = source.extension();
    if (!extension) {
        return types::DocumentType::Text;
    }
    return utils::extension_to_document_type(*extension);
}

std::unique_ptr<Parser> ParserFactory::new_parser(
    const kerfa_content::types::Source& source) const {
    std::unique_ptr<Parser> parser;
    switch (document_type(source)) {
        case types::DocumentType::Markdown:
            parser = markdown.new_parser();
            break;
        case types::DocumentType::Kerfa:
            parser = kerfa.new_parser();
            break;
        case types::DocumentType::Text:
            parser = text.new_parser();
            break;
    }
    return setup.wrap(std::move(parser));
}

kerfa_content::modules::parser::types::ParseData ParserFactory::parse_from(
    std::string_view text, const kerfa_content::types::Source& source) const {
    return new_parser(source)->parse_str(text);
}

}  // namespace kerfa_document_manager::configure
