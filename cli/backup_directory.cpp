#include "cli/backup_directory.hpp"

#include "cli/diagnostics.hpp"
#include "files/board_file.hpp"
#include "files/board_paths.hpp"

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <unistd.h>

namespace cellwright::cli {

namespace {

sigset_t stopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

// SIGPIPE comes to the thread that writes; blocked, the write fails instead,
// and the run ends through its clean-up (main raises it afterwards).
sigset_t stopSignalsAndPipe() {
    sigset_t set = stopSignals();
    sigaddset(&set, SIGPIPE);
    return set;
}

} // namespace

class BackupDirectory::Host final : public SolverHost {
  public:
    explicit Host(BackupDirectory& directory) : directory_(directory) {}

    bool saveBackup(std::int16_t level, const Board& arr) override {
        return transfer(level,
                        [&arr](const std::string& path) { return writeBackupFile(path, arr); });
    }
    bool loadBackup(std::int16_t level, Board& arr) override {
        // Read whole or not at all: a failed load leaves the board as it was.
        Board read;
        if (!transfer(level,
                      [&read](const std::string& path) { return readBackupFile(path, read); }))
            return false;
        arr.copyDigitsFrom(read);
        return true;
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
        complain("--backup-dir " + path + ": " + std::string(reasonOf(errno)));
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
    return std::unique_ptr<BackupDirectory>(new BackupDirectory(path, fd));
}

BackupDirectory::BackupDirectory(std::string path, int lockFd)
    : path_(std::move(path)), lockFd_(lockFd) {
    const sigset_t signals = stopSignalsAndPipe();
    ::pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    signalWaiter_ = std::thread([this] { waitForSignals(); });
}

BackupDirectory::~BackupDirectory() {
    // Wakes the waiter with a signal it takes for "the run is over".
    {
        const std::lock_guard lock(files_);
        runOver_ = true;
    }
    ::pthread_kill(signalWaiter_.native_handle(), SIGTERM);
    signalWaiter_.join();
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
    return deleteBackupFiles(path_);
}

void BackupDirectory::waitForSignals() {
    const sigset_t signals = stopSignals();
    int signal = 0;
    while (::sigwait(&signals, &signal) != 0) {
    }
    std::unique_lock lock(files_);
    if (runOver_)
        return; // the run is over; its end removes the backups
    // Holding the lock, no backup is written after this clean-up: the solver
    // waits at its next one until the signal below ends the process.
    deleteBackupFiles(path_);
    endBySignal(signal);
}

} // namespace cellwright::cli
