#include "cli/puzzle_source.hpp"

#include "cli/diagnostics.hpp"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace cellwright::cli {

PuzzleSource::PuzzleSource(std::vector<std::string> inputs, PuzzleLayouts layouts)
    : inputs_(std::move(inputs)), layouts_(layouts) {}

PuzzleSource::~PuzzleSource() {
    closeCurrent();
}

std::string PuzzleSource::displayName(const std::string& input) {
    return input == "-" ? "<stdin>" : input;
}

std::optional<SourcedPuzzle> PuzzleSource::next() {
    while (true) {
        while (position_ < events_.size()) {
            const ReadEvent& event = events_[position_++];
            if (const auto* puzzle = std::get_if<FoundPuzzle>(&event)) {
                std::string origin = name_;
                if (puzzle->line != 0)
                    origin.append(":").append(std::to_string(puzzle->line));
                return SourcedPuzzle{count_++, std::move(origin), puzzle->digits};
            }
            if (const auto* warning = std::get_if<ReadWarning>(&event)) {
                complain(name_ + ":" + std::to_string(warning->line) +
                         ": warning: " + warning->text);
                continue;
            }
            const auto& problem = std::get<NotAPuzzle>(event);
            complain(name_ + ":" + std::to_string(problem.line) +
                     ": not a puzzle: " + problem.reason);
            allRead_ = false;
        }
        events_.clear();
        position_ = 0;
        if (!reader_ && !openNext())
            return std::nullopt;
        if (reader_)
            readSome();
    }
}

bool PuzzleSource::openNext() {
    while (nextInput_ < inputs_.size()) {
        const std::string& input = inputs_[nextInput_++];
        name_ = displayName(input);
        fd_ = input == "-" ? STDIN_FILENO : ::open(input.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ >= 0) {
            reader_.emplace(layouts_);
            return true;
        }
        complainOfErrno(name_);
        allRead_ = false;
    }
    return false;
}

void PuzzleSource::readSome() {
    if (!reader_->wantsMore()) {
        closeCurrent(); // a board file ends at its 81st item, whatever follows
        return;
    }
    if (beforeRead_)
        beforeRead_();
    ssize_t got = 0;
    do {
        got = ::read(fd_, block_.data(), block_.size());
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        complainOfErrno(name_);
        allRead_ = false;
        closeCurrent();
    } else if (got == 0) {
        reader_->finish(events_);
        closeCurrent();
    } else {
        reader_->read(std::string_view(block_.data(), static_cast<std::size_t>(got)), events_);
    }
}

void PuzzleSource::closeCurrent() {
    if (fd_ > STDIN_FILENO)
        ::close(fd_);
    fd_ = -1;
    reader_.reset();
}

} // namespace cellwright::cli
