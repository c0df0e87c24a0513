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

// Opens in place: for what is no regular file, where a new name means nothing.
int openDirectly(const std::string& path) {
    // Opened non-blocking, so that a FIFO without a reader fails instead of
    // hanging; then blocking, so that writes wait for a slow reader.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd >= 0)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
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

std::unique_ptr<ReplacementFile> ReplacementFile::open(const std::string& path) {
    const auto direct = [&path]() -> std::unique_ptr<ReplacementFile> {
        const int fd = openDirectly(path);
        if (fd < 0)
            return nullptr;
        return std::unique_ptr<ReplacementFile>(new ReplacementFile(fd, "", path, false));
    };
    std::string target = path;
    struct stat info {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode))
        return direct();
    if (struct stat link{}; ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        std::error_code error;
        target = std::filesystem::weakly_canonical(path, error).native();
        if (error) {
            errno = error.value();
            return nullptr;
        }
    }
    std::string temporary;
    const int fd = createBeside(target, temporary);
    if (fd < 0)
        return errno == EACCES || errno == EPERM ? direct() : nullptr;
    // The old file's permissions go to the new one.
    if (exists && ::fchmod(fd, info.st_mode & 07777) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        errno = error;
        return nullptr;
    }
    return std::unique_ptr<ReplacementFile>(
        new ReplacementFile(fd, std::move(temporary), std::move(target), true));
}

ReplacementFile::ReplacementFile(int fd, std::string temporary, std::string target, bool sync)
    : fd_(fd), temporary_(std::move(temporary)), target_(std::move(target)), sync_(sync) {}

ReplacementFile::~ReplacementFile() {
    discard();
    if (fd_ >= 0)
        ::close(fd_);
}

bool ReplacementFile::commit() {
    State open = State::Open;
    if (!state_.compare_exchange_strong(open, State::Committed)) {
        errno = ECANCELED;
        return open == State::Committed;
    }
    // Durable before it takes the name, so that a crash leaves the old file
    // or the whole new one; errno of the first failure.
    bool ok = !sync_ || ::fsync(fd_) == 0;
    int error = errno;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && !temporary_.empty() && ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok && !temporary_.empty())
        ::unlink(temporary_.c_str());
    errno = error;
    return ok;
}

void ReplacementFile::discard() {
    State open = State::Open;
    if (state_.compare_exchange_strong(open, State::Discarded) && !temporary_.empty())
        ::unlink(temporary_.c_str());
}

bool replaceFile(const std::string& path, std::string_view bytes) {
    std::unique_ptr<ReplacementFile> file = ReplacementFile::open(path);
    if (!file)
        return false;
    if (!writeAll(file->fd(), bytes)) {
        const int error = errno;
        file.reset(); // a failed write leaves nothing behind
        errno = error;
        return false;
    }
    return file->commit();
}

} // namespace cellwright::cli
