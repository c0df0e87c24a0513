#pragma once

#include <string_view>

namespace cellwright::cli {

// Writes "PROGRAM: TEXT" and a newline to standard error in one write, so
// that lines from several threads never mix. PROGRAM is the name the program
// was called by, as GNU tools say it ("cellwright-solve").
void complain(std::string_view text);
// "PROGRAM: WHAT: the text of errno", for what could not be opened, read or
// written (a file's name, mostly).
void complainOfErrno(std::string_view what);

// A standard descriptor that is closed is taken by /dev/null, opened the wrong
// way round: reading or writing it then fails as reading a closed one would,
// and no file the run opens can take its place. First thing in main.
void holdClosedStandardDescriptors();

// The text of an errno value.
std::string_view reasonOf(int error);

// Ends the process by a signal that was held back, as it would have ended had
// the signal come in at once (its shell sees the signal, not an exit status).
[[noreturn]] void endBySignal(int signal);

} // namespace cellwright::cli
