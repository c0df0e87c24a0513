#include "cli/output_file.hpp"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cellwright::cli {

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t done = ::write(fd, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

// Writes, syncs where that means anything, and closes; errno of the first failure.
bool writeAndClose(int fd, std::string_view bytes, bool sync) {
    bool ok = writeAll(fd, bytes) && (!sync || ::fsync(fd) == 0);
    const int error = errno;
    ok = ::close(fd) == 0 && ok;
    if (!ok && error != 0)
        errno = error;
    return ok;
}

// Writes in place: for what is no regular file, where a new name means nothing.
bool writeDirectly(const std::string& path, std::string_view bytes) {
    // Non-blocking, so that a FIFO without a reader fails instead of hanging.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    return fd >= 0 && writeAndClose(fd, bytes, false);
}

// A new file beside target that no one else holds: its name and descriptor.
int createBeside(const std::string& target, std::string& name) {
    const std::filesystem::path where(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = (where.parent_path() / ("." + where.filename().native() + "." +
                                       std::to_string(::getpid()) + "." + std::to_string(attempt)))
                   .native();
        // Made with the mode a new file would get, the umask applied.
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

bool replaceFile(const std::string& path, std::string_view bytes) {
    std::string target = path;
    struct stat info {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode))
        return writeDirectly(path, bytes);
    if (struct stat link{}; ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        std::error_code error;
        target = std::filesystem::weakly_canonical(path, error).native();
        if (error) {
            errno = error.value();
            return false;
        }
    }
    std::string temporary;
    const int fd = createBeside(target, temporary);
    if (fd < 0)
        return (errno == EACCES || errno == EPERM) && writeDirectly(path, bytes);
    // The old file's permissions go to the new one.
    bool ok =
        (!exists || ::fchmod(fd, info.st_mode & 07777) == 0) && writeAndClose(fd, bytes, true);
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        const int error = errno;
        ::unlink(temporary.c_str());
        errno = error;
    }
    return ok;
}

} // namespace cellwright::cli
