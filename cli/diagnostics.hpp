#pragma once

#include <string_view>

namespace cellwright::cli {

// Writes "cellwright-solve: TEXT" and a newline to standard error in one
// write, so that lines from several threads never mix.
void complain(std::string_view text);

// The text of an errno value.
std::string_view reasonOf(int error);

} // namespace cellwright::cli
