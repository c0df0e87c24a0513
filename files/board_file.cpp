#include "files/board_file.hpp"

#include "files/board_item.hpp"

#include <array>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cellwright {

namespace {

constexpr int kEof = board_item::kEnd;

// Bytes of an open file, read in blocks so that memory stays bounded however
// large the file is. A read error ends the input like the end of the file.
class FileSource {
  public:
    explicit FileSource(int fd) : fd_(fd) {}
    int peek() {
        if (pos_ == size_ && !refill())
            return kEof;
        return static_cast<unsigned char>(block_[pos_]);
    }
    void skip() { ++pos_; }

  private:
    bool refill() {
        ssize_t got = 0;
        do {
            got = ::read(fd_, block_.data(), block_.size());
        } while (got < 0 && errno == EINTR);
        pos_ = 0;
        size_ = got > 0 ? static_cast<std::size_t>(got) : 0;
        return size_ > 0;
    }
    int fd_;
    std::array<char, 4096> block_{};
    std::size_t pos_ = 0;
    std::size_t size_ = 0;
};

// Closes a descriptor when it goes; close() reports whether all went well.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_;
};

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t done = ::write(fd, data, size);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

template <class Source> bool readItemsInto(Source& in, Board& board) {
    for (int i = 0; i < kCellCount; ++i) {
        if (!skipToBoardItem(in))
            return false;
        const BoardItem item = readBoardItem(in);
        if (item.kind == BoardItem::Kind::TooLarge || !board.setDigit(i, item.value))
            return false;
    }
    return true;
}

} // namespace

BoardFileBytes boardFileBytes(const Board& board) {
    BoardFileBytes bytes{};
    for (int i = 0; i < kCellCount; ++i) {
        bytes[3 * i] = static_cast<char>('0' + board.digit(i));
        bytes[3 * i + 1] = '\r';
        bytes[3 * i + 2] = '\n';
    }
    return bytes;
}

namespace {

// Opens for writing. An own file must be a regular file with a single link,
// reached without following a symbolic link: a link planted under a backup's
// name must never have its target overwritten.
int openForWriting(const std::string& path, bool ownFileOnly) {
    const int flags = O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | (ownFileOnly ? O_NOFOLLOW : 0);
    return ::open(path.c_str(), flags, ownFileOnly ? 0600 : 0666);
}

bool isOwnFile(const struct stat& info) {
    return S_ISREG(info.st_mode) && info.st_nlink == 1;
}

bool writeBoard(const std::string& path, const Board& board, bool ownFileOnly) {
    const BoardFileBytes bytes = boardFileBytes(board);
    // An existing file is overwritten in place and then cut to size, rather than
    // truncated first: the file system flushes a truncated-then-rewritten file
    // on close, which costs far more than the write itself. Non-blocking, so
    // that a FIFO without a reader fails instead of hanging.
    Descriptor file(openForWriting(path, ownFileOnly));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || (ownFileOnly && !isOwnFile(info)))
        return false;
    const bool written = writeAll(file.get(), bytes.data(), bytes.size());
    // Writing 243 bytes over a file no longer than that leaves exactly those.
    const bool sized = !S_ISREG(info.st_mode) || info.st_size <= static_cast<off_t>(bytes.size()) ||
                       ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) == 0;
    return file.close() && written && sized;
}

bool readBoard(const std::string& path, Board& board, bool ownFileOnly) {
    // Non-blocking, so that opening a FIFO cannot hang; then anything but a
    // regular file (a directory, a FIFO, a device such as /dev/zero) is refused.
    Descriptor file(
        ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (ownFileOnly ? O_NOFOLLOW : 0)));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        (ownFileOnly && !isOwnFile(info)))
        return false;
    FileSource source(file.get());
    const bool read = readItemsInto(source, board);
    return file.close() && read;
}

} // namespace

bool writeBoardFile(const std::string& path, const Board& board) {
    return writeBoard(path, board, false);
}

bool writeBackupFile(const std::string& path, const Board& board) {
    return writeBoard(path, board, true);
}

bool readBoardItems(std::string_view bytes, Board& board) {
    BoardTextSource source(bytes);
    return readItemsInto(source, board);
}

bool readBoardFile(const std::string& path, Board& board) {
    return readBoard(path, board, false);
}

bool readBackupFile(const std::string& path, Board& board) {
    Board read;
    if (!readBoard(path, read, true))
        return false;
    board.copyDigitsFrom(read);
    return true;
}

} // namespace cellwright
