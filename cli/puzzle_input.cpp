#include "cli/puzzle_input.hpp"

#include "engine/messages.hpp"
#include "files/board_file.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace cellwright::cli {

namespace {

std::string describeError(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return "no such file";
    if (std::filesystem::is_directory(path, error))
        return "is a directory";
    if (!std::filesystem::is_regular_file(path, error))
        return "not a regular file";
    std::ifstream probe(path);
    if (!probe)
        return std::strerror(errno);
    return std::string(kErrorLoadingBoard);
}

} // namespace

PuzzleSet readBoardFiles(const std::vector<std::string>& paths, std::ostream& errors) {
    PuzzleSet set;
    for (const std::string& path : paths) {
        Board board;
        bool read = false;
        if (path == "-") {
            const std::string bytes{std::istreambuf_iterator<char>(std::cin),
                                    std::istreambuf_iterator<char>()};
            read = readBoardItems(bytes, board);
        } else {
            read = readBoardFile(path, board);
        }
        if (!read) {
            errors << (path == "-" ? std::string("<stdin>") : path) << ": "
                   << (path == "-" ? std::string(kErrorLoadingBoard) : describeError(path)) << "\n";
            set.allReadable = false;
            continue;
        }
        set.puzzles.push_back(board.digits());
    }
    return set;
}

PuzzleSet readPuzzleLines(const std::string& path, std::ostream& errors) {
    PuzzleSet set;
    std::ifstream file;
    std::istream* in = &std::cin;
    const std::string name = path == "-" ? std::string("<stdin>") : path;
    if (path != "-") {
        std::error_code error;
        if (std::filesystem::is_directory(path, error)) {
            errors << name << ": is a directory\n";
            set.allReadable = false;
            return set;
        }
        file.open(path, std::ios::binary);
        if (!file) {
            errors << name << ": " << std::strerror(errno) << "\n";
            set.allReadable = false;
            return set;
        }
        in = &file;
    }
    std::string line;
    std::string reason;
    for (std::size_t number = 1; std::getline(*in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#')
            continue;
        if (const auto digits = parsePuzzleLine(line, reason)) {
            set.puzzles.push_back(*digits);
        } else {
            errors << name << ":" << number << ": " << reason << "\n";
            set.allReadable = false;
        }
    }
    if (in->bad()) {
        errors << name << ": read error\n";
        set.allReadable = false;
    }
    return set;
}

} // namespace cellwright::cli
