#include "files/board_paths.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace cellwright {

std::string boardFilePath(const std::string& directory, const std::string& name,
                          const std::string& home) {
    // A path the user typed in full is theirs; only a bare name is ours to place.
    if (name.starts_with('/'))
        return name;
    if (name.starts_with("~/") && !home.empty())
        return home + name.substr(1);
    std::string path = directory + "/" + name;
    if (name.find('.') == std::string::npos)
        path += ".sudoku";
    return path;
}

std::string boardDirectory(const std::string& programDirectory, const std::string& dataDirectory,
                           bool saving) {
    if (!programDirectory.empty() && ::access(programDirectory.c_str(), W_OK) == 0)
        return programDirectory;
    std::error_code error;
    if (saving && !dataDirectory.empty())
        std::filesystem::create_directories(dataDirectory, error);
    return dataDirectory;
}

std::string backupFilePath(const std::string& directory, std::int16_t level) {
    return directory + "/backup" + std::to_string(level) + ".bak";
}

namespace {

// Whether a file name has the exact form "backup<number>.bak".
bool isBackupFileName(std::string_view name) {
    constexpr std::string_view kStem = "backup";
    constexpr std::string_view kExtension = ".bak";
    if (name.size() <= kStem.size() + kExtension.size() || !name.starts_with(kStem) ||
        !name.ends_with(kExtension))
        return false;
    const std::string_view number =
        name.substr(kStem.size(), name.size() - kStem.size() - kExtension.size());
    return std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::vector<std::string> backupLikeNames(const std::string& directory, std::error_code& error) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        if (std::string name = entry.path().filename().native(); isBackupFileName(name))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return error ? std::vector<std::string>() : names;
}

bool deleteBackupFiles(const std::string& directory) {
    std::error_code error;
    std::filesystem::directory_iterator entries(directory, error);
    if (error)
        return error == std::errc::no_such_file_or_directory;
    bool allGone = true;
    for (const auto& entry : entries) {
        // Only what the solver itself writes: a plain file with one link under
        // a backup's exact name. Links and the user's own files stay.
        const auto& path = entry.path();
        if (isBackupFileName(path.filename().native()) && entry.is_regular_file(error) &&
            !entry.is_symlink(error) && entry.hard_link_count(error) == 1)
            allGone = std::filesystem::remove(path, error) && allGone;
    }
    return allGone;
}

} // namespace cellwright
