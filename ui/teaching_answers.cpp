// The hint, the solution check and the difficulty of a grid as the user sees
// it: first whether it is a proper puzzle at all (a clash, no solution,
// several), then the logical solver's next step or rating.
#include "ui/teaching_answers.hpp"

#include "counter/solution_count.hpp"

#include <array>
#include <optional>

namespace cellwright::teaching {

namespace {

bool isDigit(int value) {
    return value >= 1 && value <= 9;
}

bool isFull(const Grid& grid) {
    for (auto value : grid) {
        if (!isDigit(value))
            return false;
    }
    return true;
}

bool raised(const std::atomic<bool>* cancel) {
    return cancel != nullptr && cancel->load(std::memory_order_relaxed);
}

// The cell of house (boxes, rows, columns as the logical solver numbers
// them) at position p.
int cellOf(logic::HouseType type, int index, int p) {
    switch (type) {
    case logic::HouseType::Row:
        return 9 * index + p;
    case logic::HouseType::Column:
        return 9 * p + index;
    default:
        return index / 3 * 27 + index % 3 * 3 + p / 3 * 9 + p % 3;
    }
}

// "the grid has two 5s in row 3": the first house (rows, then columns, then
// boxes) that holds a digit more than once, and its lowest such digit.
std::optional<std::string> clash(const Grid& grid) {
    static constexpr std::array<const char*, 10> kCounts = {
        "", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"};
    for (auto type : {logic::HouseType::Row, logic::HouseType::Column, logic::HouseType::Box}) {
        for (int index = 0; index < 9; ++index) {
            std::array<int, 10> seen{};
            for (int p = 0; p < 9; ++p) {
                if (const int value = grid[static_cast<std::size_t>(cellOf(type, index, p))];
                    isDigit(value))
                    ++seen[static_cast<std::size_t>(value)];
            }
            for (int digit = 1; digit <= 9; ++digit) {
                if (seen[static_cast<std::size_t>(digit)] > 1)
                    return std::string("the grid has ") +
                           kCounts[static_cast<std::size_t>(
                               seen[static_cast<std::size_t>(digit)])] +
                           " " + std::to_string(digit) + "s in " +
                           logic::houseName({type, static_cast<std::uint8_t>(index)});
            }
        }
    }
    return std::nullopt;
}

counter::Cells cellsOf(const Grid& grid) {
    counter::Cells cells{};
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = isDigit(grid[i]) ? grid[i] : std::int16_t{0};
    return cells;
}

// 0, 1 or 2 (two standing for several).
std::uint32_t solutions(const Grid& grid) {
    return counter::countSolutions(cellsOf(grid), 2).solutions;
}

// What the grid is, when it is not a puzzle with one solution and empty
// cells left; nothing when it is one.
enum class Standing : std::uint8_t { Puzzle, Clash, NoSolution, Several, Full };

Standing standingOf(const Grid& grid, std::optional<std::string>& clashText) {
    clashText = clash(grid);
    if (clashText)
        return Standing::Clash;
    if (isFull(grid))
        return Standing::Full;
    const std::uint32_t count = solutions(grid);
    return count == 0 ? Standing::NoSolution : count == 1 ? Standing::Puzzle : Standing::Several;
}

} // namespace

Answer hint(const Grid& grid, HintLevel level, const std::atomic<bool>* cancel) {
    std::optional<std::string> clashText;
    switch (standingOf(grid, clashText)) {
    case Standing::Clash:
        return {"Hint: " + *clashText};
    case Standing::Full:
        return {"Hint: the grid is full — nothing is left to solve"};
    case Standing::NoSolution:
        return {"Hint: no solution — a digit may be wrong"};
    case Standing::Several:
        return {"Hint: several solutions — the puzzle is not complete"};
    case Standing::Puzzle:
        break;
    }
    const std::optional<logic::Step> step = logic::nextStep(logic::Grid(grid), cancel);
    if (!step) {
        if (raised(cancel))
            return {"Hint: finding the next step took too long, so it stopped"};
        return {"Hint: the techniques run out here — the next step needs a search"};
    }
    Answer answer{stepText(*step, level)};
    if (level == HintLevel::NextStep)
        answer.focusCell = stepFocus(*step);
    return answer;
}

Answer checkSolutions(const Grid& grid, const Grid& givens, const std::atomic<bool>* cancel) {
    if (const std::optional<std::string> clashText = clash(grid))
        return {"No solution — " + *clashText};
    const std::uint32_t count = solutions(grid);
    if (count == 1)
        return {"Unique solution"};
    if (count > 1)
        return {"Several solutions"};
    // A digit the user put there that the rest cannot live with.
    for (std::size_t cell = 0; cell < grid.size() && !raised(cancel); ++cell) {
        if (!isDigit(grid[cell]) || givens[cell] == grid[cell])
            continue;
        Grid without = grid;
        without[cell] = 0;
        if (solutions(without) > 0)
            return {"No solution — the " + std::to_string(grid[cell]) + " at " +
                    cellInWords(static_cast<int>(cell)) + " cannot stand"};
    }
    return {"No solution"};
}

Answer difficulty(const Grid& grid, const std::atomic<bool>* cancel, std::atomic<int>* soFar) {
    std::optional<std::string> clashText;
    switch (standingOf(grid, clashText)) {
    case Standing::Clash:
        return {"Difficulty not rated — " + *clashText};
    case Standing::Full:
        return {"Difficulty not rated — the grid is already full"};
    case Standing::NoSolution:
        return {"Difficulty not rated — the grid has no solution"};
    case Standing::Several:
        return {"Difficulty not rated — the puzzle has several solutions"};
    case Standing::Puzzle:
        break;
    }
    logic::RateOptions options;
    options.cancel = cancel;
    const auto follow = [soFar](const logic::Step& step) {
        if (soFar != nullptr && step.tenths() > soFar->load())
            soFar->store(step.tenths());
    };
    const logic::Rating rating = logic::explain(grid, follow, options);
    const std::string band = " (" + logic::bandName(logic::bandOf(rating.er)) + ")";
    switch (rating.end) {
    case logic::RatingEnd::Solved:
        return {"Difficulty " + logic::formatValue(rating.er) + band +
                ", hardest step: " + logic::techniqueName(rating.hardest)};
    case logic::RatingEnd::RanOut:
        return {"Difficulty at least " + logic::formatValue(rating.er) + band +
                " — the techniques here run out"};
    default:
        if (rating.steps == 0)
            return {"Difficulty not rated — rating took too long, so it stopped"};
        return {"Difficulty at least " + logic::formatValue(rating.er) + band +
                " — rating took too long, so it stopped"};
    }
}

} // namespace cellwright::teaching
