#include "cli/backup_directory.hpp"

#include "cli/diagnostics.hpp"
#include "cli/stop_signals.hpp"
#include "files/board_file.hpp"
#include "files/board_paths.hpp"

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cellwright::cli {

namespace {

std::string foreignBackupsReason(const std::vector<std::string>& names) {
    if (names.size() == 1)
        return "already holds " + names.front() +
               ", named like a backup; it may belong to another program or to an interrupted "
               "run: move it away or choose another directory";
    const std::size_t more = names.size() - 1;
    return "already holds " + names.front() + " and " + std::to_string(more) +
           (more == 1 ? " more file" : " more files") +
           " named like backups; they may belong to another program or to an interrupted run: "
           "move them away or choose another directory";
}

} // namespace

class BackupDirectory::Host final : public SolverHost {
  public:
    explicit Host(BackupDirectory& directory) : directory_(directory) {}

    bool saveBackup(std::int16_t level, const Board& arr) override {
        return transfer(level, [&](const std::string& path) {
            // A file that is not there yet is this run's from now on, also if
            // writing it fails half way.
            struct stat info {};
            if (level >= 0 && level <= kMaxGuessDepth && ::lstat(path.c_str(), &info) != 0 &&
                errno == ENOENT)
                directory_.written_.set(static_cast<std::size_t>(level));
            errno = 0;
            return writeBackupFile(path, arr);
        });
    }
    bool loadBackup(std::int16_t level, Board& arr) override {
        return transfer(level,
                        [&arr](const std::string& path) { return readBackupFile(path, arr); });
    }
    bool deleteBackups() override { return directory_.removeBackups(); }

  private:
    // One backup written or read under the directory's lock; a failure is
    // recorded with its reason.
    template <class Transfer> bool transfer(std::int16_t level, const Transfer& copy) {
        const std::string path = backupFilePath(directory_.path_, level);
        const std::lock_guard lock(directory_.files_);
        errno = 0;
        if (copy(path))
            return true;
        failed(path);
        return false;
    }

    void failed(const std::string& path) {
        // Opened without following links; anything but a plain file of its
        // own is refused without an errno of its own.
        directory_.lastProblem_ =
            path + ": " +
            (errno != 0 && errno != ELOOP ? std::string(reasonOf(errno))
                                          : "not a plain file with a single link");
    }
    BackupDirectory& directory_;
};

std::unique_ptr<BackupDirectory> BackupDirectory::lock(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        complainOfErrno("--backup-dir " + path);
        return nullptr;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        complain("--backup-dir " + path + ": " +
                 (error == EWOULDBLOCK ? "in use by another cellwright-solve run"
                                       : std::string(reasonOf(error))));
        return nullptr;
    }
    // Files named like backups may be another program's, or those of a run
    // that was killed: never overwrite, read or delete them.
    std::error_code error;
    const std::vector<std::string> found = backupLikeNames(path, error);
    if (error || !found.empty()) {
        ::close(fd);
        complain("--backup-dir " + path + ": " +
                 (error ? error.message() : foreignBackupsReason(found)));
        return nullptr;
    }
    return std::unique_ptr<BackupDirectory>(new BackupDirectory(path, fd));
}

BackupDirectory::BackupDirectory(std::string path, int lockFd)
    : path_(std::move(path)), lockFd_(lockFd),
      signals_(std::make_unique<SignalWaiter>([this](int signal) { endBySignalClean(signal); })) {}

BackupDirectory::~BackupDirectory() {
    signals_.reset();
    removeBackups();
    ::close(lockFd_);
    // A signal that came in meanwhile now ends the process as it would have.
    const sigset_t signals = stopSignals();
    ::pthread_sigmask(SIG_UNBLOCK, &signals, nullptr);
}

std::unique_ptr<SolverHost> BackupDirectory::makeHost() {
    return std::make_unique<Host>(*this);
}

bool BackupDirectory::removeBackups() {
    const std::lock_guard lock(files_);
    return removeBackupsLocked();
}

bool BackupDirectory::removeBackupsLocked() {
    bool allGone = true;
    for (std::size_t level = 0; level < written_.size(); ++level) {
        if (!written_.test(level))
            continue;
        // Only a plain file of its own: a link put in its place stays.
        const std::string path = backupFilePath(path_, static_cast<std::int16_t>(level));
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1)
            allGone = ::unlink(path.c_str()) == 0 && allGone;
    }
    written_.reset();
    return allGone;
}

void BackupDirectory::endBySignalClean(int signal) {
    // Holding the lock, no backup is written after this clean-up: the solver
    // waits at its next one until the signal below ends the process.
    const std::lock_guard lock(files_);
    removeBackupsLocked();
    endBySignal(signal);
}

} // namespace cellwright::cli
