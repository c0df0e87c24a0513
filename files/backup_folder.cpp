#include "files/backup_folder.hpp"

#include "files/board_paths.hpp"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace cellwright {

const std::string& BackupFolder::path() {
    if (path_.empty() && !base_.empty()) {
        std::string pattern = base_ + "/cellwright-XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (::mkdtemp(name.data()) != nullptr) // 0700, a new name no one else holds
            path_ = name.data();
    }
    return path_;
}

void BackupFolder::remove() {
    if (path_.empty())
        return;
    deleteBackupFiles(path_);
    ::rmdir(path_.c_str()); // stays only if something else was put in it
    path_.clear();
}

std::string temporaryFolderBase() {
    std::error_code error;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime != nullptr && *runtime == '/' && std::filesystem::is_directory(runtime, error))
        return runtime;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    return error ? std::string("/tmp") : temp.native();
}

} // namespace cellwright
