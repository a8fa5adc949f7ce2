#pragma once

#include <cstddef>
#include <string>

namespace shared::utils {

// Reserves room for bytes more bytes of text and, when that is many megabytes, asks the system to
// back it with huge pages: a whole file or a whole output then takes one page fault per 2 MiB
// instead of per 4 KiB. Only a hint; nothing changes where the system declines it.
void reserve_large(std::string& text, std::size_t bytes);

}  // namespace shared::utils
