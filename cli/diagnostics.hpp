#pragma once

#include <string_view>

namespace cellwright::cli {

// Writes "cellwright-solve: TEXT" and a newline to standard error in one
// write, so that lines from several threads never mix.
void complain(std::string_view text);

// The text of an errno value.
std::string_view reasonOf(int error);

// Ends the process by a signal that was held back, as it would have ended had
// the signal come in at once (its shell sees the signal, not an exit status).
[[noreturn]] void endBySignal(int signal);

} // namespace cellwright::cli
