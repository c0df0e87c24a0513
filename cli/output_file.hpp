#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <string_view>

namespace cellwright::cli {

// A file written all or nothing: what is written goes to a new file beside
// it, which takes its name only once it is complete and made durable. A
// failure (a full disk, a file size limit) or a run that ends before
// commit() leaves the old file as it was, or none.
// A symbolic link keeps pointing where it did, and its target is replaced;
// anything but a regular file (a FIFO, a terminal, /dev/stdout) is written to
// directly, and so is a file in a directory where no new file may be made.
class ReplacementFile {
  public:
    // Opens the new file for path; on failure returns nothing with errno set.
    static std::unique_ptr<ReplacementFile> open(const std::string& path);
    // Drops what was written unless it was committed.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Where to write.
    int fd() const { return fd_; }
    // The new file takes the name; false, with errno set, when it could not
    // or was discarded, and then the old file stays.
    bool commit();
    // Drops what was written now; safe while another thread writes to fd(),
    // as from a signal's clean-up just before the signal ends the process.
    void discard();

  private:
    ReplacementFile(int fd, std::string temporary, std::string target, bool sync);

    int fd_;
    std::string temporary_; // empty when written directly
    std::string target_;
    bool sync_;
    enum class State { Open, Committed, Discarded };
    std::atomic<State> state_{State::Open};
};

// Puts bytes into the file at path all or nothing, as ReplacementFile does.
// On failure, errno tells why.
bool replaceFile(const std::string& path, std::string_view bytes);

} // namespace cellwright::cli
