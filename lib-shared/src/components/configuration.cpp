#include "shared/components/configuration.hpp"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <string>

#include "shared/utils/fault.hpp"
#include "shared/utils/lowercase.hpp"
#include "shared/utils/white_space.hpp"

namespace shared::components {

void ConfigurationMap::const_iterator::skip_empty() {
    while (slot_ != end_ && !slot_->has_value()) {
        ++slot_;
    }
}

ConfigurationMap::const_iterator& ConfigurationMap::const_iterator::operator++() {
    ++slot_;
    skip_empty();
    return *this;
}

void ConfigurationMap::insert_or_assign(std::string name, std::string value) {
    const auto found = index_.find(name);
    if (found != index_.end()) {
        slots_[found->second].reset();
        found->second = slots_.size();
    } else {
        index_.emplace(name, slots_.size());
    }
    slots_.emplace_back(ConfigurationEntry{std::move(name), std::move(value)});
}

const std::string* ConfigurationMap::find(std::string_view name) const {
    const auto found = index_.find(name);
    return found == index_.end() ? nullptr : &slots_[found->second]->value;
}

namespace {

// The separator between name and value: "\s*[:=]\s*|\s+" with \s as the White_Space property
// spelled out (the engine's own Unicode \s also takes U+180E, which is not white space).
std::string separator_pattern() {
    const std::string space =
        "[\\x{9}-\\x{D}\\x{20}\\x{85}\\x{A0}\\x{1680}\\x{2000}-\\x{200A}\\x{2028}\\x{2029}"
        "\\x{202F}\\x{205F}\\x{3000}]";
    return space + "*[:=]" + space + "*|" + space + "+";
}

struct CompiledSeparator {
    pcre2_code* code = nullptr;

    CompiledSeparator() {
        const std::string pattern = separator_pattern();
        int error = 0;
        PCRE2_SIZE offset = 0;
        code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                             PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_NO_UTF_CHECK, &error,
                             &offset, nullptr);
        if (code == nullptr) {
            PCRE2_UCHAR message[256];
            pcre2_get_error_message(error, message, sizeof message);
            utils::internal_fault(std::string("configuration separator does not compile: ") +
                                  reinterpret_cast<const char*>(message));
        }
        // Matched natively where PCRE2 can; where it cannot, pcre2_match interprets as before.
        (void)pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
    }
    ~CompiledSeparator() { pcre2_code_free(code); }
    CompiledSeparator(const CompiledSeparator&) = delete;
    CompiledSeparator& operator=(const CompiledSeparator&) = delete;
};

const pcre2_code* separator() {
    static const CompiledSeparator compiled;
    return compiled.code;
}

struct MatchData {
    pcre2_match_data* data;
    explicit MatchData(const pcre2_code* code)
        : data(pcre2_match_data_create_from_pattern(code, nullptr)) {
        if (data == nullptr) {
            utils::internal_fault("out of memory for regular-expression match data");
        }
    }
    ~MatchData() { pcre2_match_data_free(data); }
    MatchData(const MatchData&) = delete;
    MatchData& operator=(const MatchData&) = delete;
};

// Splits a trimmed line at its first separator; a line without one gives nothing.
void split_line(std::string_view line, MatchData& match, std::vector<ConfigurationEntry>& entries) {
    const int result = pcre2_match(separator(), reinterpret_cast<PCRE2_SPTR>(line.data()),
                                   line.size(), 0, 0, match.data, nullptr);
    if (result == PCRE2_ERROR_NOMATCH) {
        return;
    }
    if (result < 0) {
        utils::internal_fault("configuration separator match failed");
    }
    const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer(match.data);
    entries.push_back(types::new_name_string(line.substr(0, offsets[0]), line.substr(offsets[1])));
}

}  // namespace

std::vector<ConfigurationEntry> parse_configuration(std::string_view text) {
    std::vector<ConfigurationEntry> entries;
    MatchData match(separator());
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        std::string_view line = text.substr(0, feed);
        text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
        if (feed != std::string_view::npos && line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        line = utils::trim(line);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        split_line(line, match, entries);
    }
    return entries;
}

ConfigurationMap parse_configuration_to_map(std::string_view text, bool keep_case) {
    ConfigurationMap map;
    for (ConfigurationEntry& entry : parse_configuration(text)) {
        std::string name = keep_case ? std::move(entry.name) : utils::to_lowercase(entry.name);
        map.insert_or_assign(std::move(name), std::move(entry.value));
    }
    return map;
}

}  // namespace shared::components
