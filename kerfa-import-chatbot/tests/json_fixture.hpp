#pragma once

#include <simdjson.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace import_chatbot_test {

// A JSON snippet parsed for a test; its values live as long as it does.
class Json {
  public:
    explicit Json(std::string_view text) : parser_(std::make_unique<simdjson::dom::parser>()) {
        if (parser_->parse(simdjson::padded_string(text)).get(root_) != simdjson::SUCCESS) {
            throw std::invalid_argument("bad test JSON: " + std::string(text));
        }
    }

    simdjson::dom::element root() const { return root_; }
    operator simdjson::dom::element() const { return root_; }

  private:
    std::unique_ptr<simdjson::dom::parser> parser_;
    simdjson::dom::element root_;
};

}  // namespace import_chatbot_test
