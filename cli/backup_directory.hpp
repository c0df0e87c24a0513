#pragma once

#include "cli/stop_signals.hpp"
#include "engine/solver.hpp"

#include <bitset>
#include <memory>
#include <mutex>
#include <string>

namespace cellwright::cli {

// The --backup-dir of a run. Two runs sharing one directory would read each
// other's backups and report wrong outcomes, so the directory is locked
// (flock) for the whole run and a second run is refused at once; so is a
// directory that already holds files named like backups, which may be another
// program's or those of a run that was killed. The backups this run wrote,
// and only they, go when the run ends, however it ends: normally, on an
// error, or on SIGINT, SIGTERM or SIGHUP, which it waits for while it lives.
class BackupDirectory {
  public:
    // Locks the directory; on failure says why on standard error and returns
    // nothing. Blocks SIGINT, SIGTERM and SIGHUP for the calling thread and
    // those it starts later, so create it before any other thread.
    static std::unique_ptr<BackupDirectory> lock(const std::string& path);
    ~BackupDirectory();
    BackupDirectory(const BackupDirectory&) = delete;
    BackupDirectory& operator=(const BackupDirectory&) = delete;

    // A solver host whose backups are backup<d>.bak files here.
    std::unique_ptr<SolverHost> makeHost();
    // Deletes the backups this run wrote, and nothing else; false when one stays.
    bool removeBackups();
    // The file and reason of the last backup that failed.
    const std::string& lastProblem() const { return lastProblem_; }

  private:
    class Host;
    BackupDirectory(std::string path, int lockFd);
    // A stop signal came in: the backups go, and the signal ends the process.
    [[noreturn]] void endBySignalClean(int signal);
    bool removeBackupsLocked();

    std::string path_;
    int lockFd_;
    std::mutex files_;                        // held while a backup is written, read or deleted
    std::bitset<kMaxGuessDepth + 1> written_; // levels whose file this run made
    std::string lastProblem_;
    std::unique_ptr<SignalWaiter> signals_;
};

} // namespace cellwright::cli
