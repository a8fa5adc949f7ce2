#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace import_chatbot::utils {

// The Markdown text with every heading outside backtick fences moved shift levels down (no
// upper limit), lines joined with "\n" and no final line feed. A fence is a line whose first
// three bytes are "```"; a heading is a run of "#" followed by nothing or a blank.
std::string adjust_headings(std::string_view text, std::size_t shift);

}  // namespace import_chatbot::utils
