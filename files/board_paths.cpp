#include "files/board_paths.hpp"

#include <filesystem>
#include <system_error>

namespace cellwright {

std::string boardFilePath(const std::string& applicationDirectory, const std::string& name) {
    std::string path = applicationDirectory + "/" + name;
    if (name.find('.') == std::string::npos)
        path += ".sudoku";
    return path;
}

std::string backupFilePath(const std::string& directory, std::int16_t level) {
    return directory + "/backup" + std::to_string(level) + ".bak";
}

void deleteBackupFiles(const std::string& directory) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() >= 10 && name.starts_with("backup") && name.ends_with(".bak"))
            std::filesystem::remove(entry.path(), error);
    }
}

} // namespace cellwright
