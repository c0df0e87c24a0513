#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cellwright::cli {

// What the command lines of cellwright-solve and cellwright-generate share.

enum class Format { Text, Line, Json, Grid };

// In the text and grid formats each result stands apart from the one before
// by a blank line; lines and JSON objects follow each other.
constexpr bool apartByBlankLine(Format format) {
    return format == Format::Text || format == Format::Grid;
}

// A format by its name: text, line, json or grid.
std::optional<Format> formatNamed(std::string_view name);

// A whole number from least to most, written in decimal digits alone.
std::optional<std::uint64_t> wholeNumber(std::string_view text, std::uint64_t least,
                                         std::uint64_t most);

// The usage error for what getopt_long returned as ':' (an option without its
// argument) or '?' (an option it does not know), in GNU tools' words. Call it
// before getopt_long runs again.
std::string getoptError(int letter, char* const* argv);

// The number of jobs to run: those asked for, or one per core for 0.
unsigned jobsToRun(unsigned asked);

// main's answers to a command line that asks for no run, each returning the
// exit status: a usage error on standard error, followed by where to look
// for help; --help or --version on standard output.
int usageError(const std::string& error, std::string_view program);
int helpOrVersion(bool help, std::string_view usage, std::string_view program,
                  std::string_view version);

} // namespace cellwright::cli
