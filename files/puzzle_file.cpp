#include "files/puzzle_file.hpp"

#include "files/puzzle_reader.hpp"

#include <array>
#include <cerrno>
#include <variant>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cellwright {

namespace {

// Whether what has been read already rules the file out.
bool settled(const std::vector<ReadEvent>& events) {
    return events.size() > 1 ||
           (!events.empty() && std::holds_alternative<NotAPuzzle>(events.front()));
}

} // namespace

std::optional<Digits> readOnePuzzleFile(const std::string& path) {
    // Non-blocking, so that opening a FIFO cannot hang; then only a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    bool readable = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    PuzzleReader reader(PuzzleLayouts::Any);
    std::vector<ReadEvent> events;
    std::array<char, 65536> block{};
    while (readable && reader.wantsMore() && !settled(events)) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            readable = got == 0;
            break;
        }
        reader.read({block.data(), static_cast<std::size_t>(got)}, events);
    }
    ::close(fd);
    if (!readable)
        return std::nullopt;
    reader.finish(events);
    return onlyPuzzleOf(events);
}

} // namespace cellwright
