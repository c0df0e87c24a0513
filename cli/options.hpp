#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cellwright::cli {

enum class Format { Text, Line, Json };

struct Options {
    std::vector<std::string> boardFiles; // "-" is standard input
    std::optional<std::string> linesFile;
    std::optional<Format> format; // default depends on the input
    std::optional<std::string> outputFile;
    std::optional<std::string> backupDir;
    unsigned jobs = 0; // 0: one per core
    bool help = false;
    bool version = false;
};

// Parses the arguments after the program name. On a usage error, returns
// nothing and sets error.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error);

const char* usageText();

} // namespace cellwright::cli
