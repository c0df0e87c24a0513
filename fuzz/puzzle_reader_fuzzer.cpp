// Arbitrary bytes through the puzzle reader, in every layout: read whole or in
// pieces of any size it yields the same puzzles and problems; a puzzle holds
// digits 0..9 only, and a problem names a line of the input and says why.
#include "files/puzzle_reader.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

using namespace cellwright;

std::vector<ReadEvent> readInPieces(std::string_view bytes, PuzzleLayouts layouts,
                                    std::size_t piece) {
    PuzzleReader reader(layouts);
    std::vector<ReadEvent> events;
    for (std::size_t at = 0; at < bytes.size() && reader.wantsMore(); at += piece)
        reader.read(bytes.substr(at, piece), events);
    reader.finish(events);
    return events;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte chooses the layouts and the size of the pieces.
    const PuzzleLayouts layouts = data[0] & 1 ? PuzzleLayouts::Lines : PuzzleLayouts::Any;
    const std::size_t piece = 1 + (data[0] >> 1);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<ReadEvent> whole = readInPieces(bytes, layouts, bytes.size() + 1);
    if (readInPieces(bytes, layouts, piece) != whole)
        std::abort();
    const auto lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    for (const ReadEvent& event : whole) {
        if (const auto* puzzle = std::get_if<FoundPuzzle>(&event)) {
            for (const std::int16_t digit : puzzle->digits) {
                if (digit < 0 || digit > 9)
                    std::abort();
            }
            if (puzzle->line > lines + 1)
                std::abort();
        } else if (const auto* problem = std::get_if<NotAPuzzle>(&event)) {
            if (problem->reason.empty() || problem->line == 0 || problem->line > lines + 1)
                std::abort();
        } else {
            const auto& warning = std::get<ReadWarning>(event);
            if (warning.text.empty() || warning.line == 0 || warning.line > lines + 1)
                std::abort();
        }
    }
    return 0;
}
