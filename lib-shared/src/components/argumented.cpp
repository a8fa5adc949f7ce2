#include "shared/components/argumented.hpp"

#include "shared/utils/lowercase.hpp"
#include "shared/utils/utf8.hpp"

namespace shared::components {

Argumented Argumented::from_argv(int argc, const char* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.emplace_back(argv[i]);
    }
    return from_vec(std::move(arguments));
}

Argumented Argumented::from_vec(std::vector<std::string> arguments) {
    Argumented reader;
    for (std::string& argument : arguments) {
        reader.classify(std::move(argument));
    }
    return reader;
}

void Argumented::classify(std::string argument) {
    const std::string_view text = argument;
    if (text.starts_with("--")) {
        const std::string_view rest = text.substr(2);
        const std::size_t equals = rest.find('=');
        std::string name = utils::to_lowercase(rest.substr(0, equals));
        if (equals != std::string_view::npos) {
            named_.insert_or_assign(name, std::string(rest.substr(equals + 1)));
        }
        flags_.insert(std::move(name));
        return;
    }
    if (text.size() >= 2 && text.front() == '-') {
        // Each character its own name, lower-cased on its own (it may become several).
        std::size_t position = 1;
        while (position < text.size()) {
            const std::size_t length = utils::decode_utf8(text, position).length;
            flags_.insert(utils::to_lowercase(text.substr(position, length)));
            position += length;
        }
        return;
    }
    if (text == "-") {
        return;
    }
    positional_.push_back(std::move(argument));
}

std::optional<std::string> Argumented::next() {
    if (positional_.empty()) {
        return std::nullopt;
    }
    std::string first = std::move(positional_.front());
    positional_.pop_front();
    return first;
}

std::optional<std::string_view> Argumented::named_value(
    std::span<const std::string_view> names) const {
    for (const std::string_view name : names) {
        const auto found = named_.find(utils::to_lowercase(name));
        if (found != named_.end()) {
            return std::string_view(found->second);
        }
    }
    return std::nullopt;
}

bool Argumented::has_named(std::span<const std::string_view> names) const {
    for (const std::string_view name : names) {
        if (flags_.contains(utils::to_lowercase(name))) {
            return true;
        }
    }
    return false;
}

}  // namespace shared::components
