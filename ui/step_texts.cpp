// What a hint says about a step, at each level, for every technique: the
// vague level names the technique and where to look, the concrete one adds
// the digit, the whole step says what follows and why, in words a player
// uses. Cells are "row 4, column 6" where one is named, "r4c6" in lists.
#include "ui/teaching_answers.hpp"

#include <initializer_list>
#include <string_view>
#include <vector>

namespace cellwright::teaching {

using logic::House;
using logic::HouseType;
using logic::Mask;
using logic::Step;
using logic::Technique;

namespace {

std::string concat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text += part;
    return text;
}

int boxOfCell(int cell) {
    return cell / 27 * 3 + cell % 9 / 3;
}

std::string boxName(int cell) {
    return logic::houseName(House{HouseType::Box, static_cast<std::uint8_t>(boxOfCell(cell))});
}

// "4", "3 and 8", "1, 3 and 8"; with "or" for what a cell cannot be.
std::string joined(const std::vector<std::string>& items, std::string_view last = " and ") {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? last : ", ";
        text += items[i];
    }
    return text;
}

std::string digitsText(Mask digits, std::string_view last = " and ") {
    std::vector<std::string> items;
    for (int digit = 1; digit <= 9; ++digit) {
        if (digits & logic::digitBit(digit))
            items.push_back(std::to_string(digit));
    }
    return joined(items, last);
}

// "r4c2 and r4c7" for cells [from, to) of the step.
std::string cellList(const Step& step, int from, int to) {
    std::vector<std::string> items;
    for (int i = from; i < to; ++i)
        items.push_back(logic::cellName(step.cells[static_cast<std::size_t>(i)]));
    return joined(items);
}

// "rows 3 and 7" for houses [from, to) of the step, all lines of one type.
std::string lineList(const Step& step, int from, int to) {
    std::vector<std::string> items;
    for (int i = from; i < to; ++i)
        items.push_back(std::to_string(step.houses[static_cast<std::size_t>(i)].index + 1));
    const bool rows = step.houses[static_cast<std::size_t>(from)].type == HouseType::Row;
    return concat({rows ? "rows " : "columns ", joined(items)});
}

Mask eliminatedDigits(const Step& step) {
    Mask digits = 0;
    for (Mask removed : step.eliminations)
        digits |= removed;
    return digits;
}

// What the step's eliminations mean: "r2c5 and r2c8 cannot be 4", or with
// several digits "r4c2 cannot be 1 or 5 and r4c7 cannot be 6".
std::string removals(const Step& step) {
    std::vector<int> cells;
    bool alike = true;
    for (int cell = 0; cell < 81; ++cell) {
        if (step.eliminations[static_cast<std::size_t>(cell)] == 0)
            continue;
        alike =
            alike && (cells.empty() || step.eliminations[static_cast<std::size_t>(cell)] ==
                                           step.eliminations[static_cast<std::size_t>(cells[0])]);
        cells.push_back(cell);
    }
    if (cells.empty())
        return {};
    std::vector<std::string> items;
    if (alike) {
        for (int cell : cells)
            items.push_back(logic::cellName(cell));
        return concat({joined(items), " cannot be ",
                       digitsText(step.eliminations[static_cast<std::size_t>(cells[0])], " or ")});
    }
    for (int cell : cells)
        items.push_back(
            concat({logic::cellName(cell), " cannot be ",
                    digitsText(step.eliminations[static_cast<std::size_t>(cell)], " or ")}));
    return joined(items);
}

std::string placement(const Step& step) {
    return concat({cellInWords(step.placedCell), " must be ", std::to_string(step.placedDigit)});
}

// What follows from the step: its eliminations, its placement, or both.
std::string outcome(const Step& step) {
    const std::string removed = removals(step);
    if (!step.places())
        return removed;
    return removed.empty() ? placement(step) : concat({removed, ", and ", placement(step)});
}

std::string capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

// "a hidden single", "an X-wing", "a unique rectangle".
std::string withArticle(Technique technique) {
    const std::string name = logic::techniqueName(technique);
    const bool vowel =
        !name.empty() && std::string_view("aeioAEIOX").find(name[0]) != std::string_view::npos;
    return concat({vowel ? "an " : "a ", name});
}

enum class Family : std::uint8_t {
    Single,       // full house, hidden single
    NakedSingle,  //
    Direct,       // an intersection or hidden set that leaves a hidden single
    Intersection, // pointing, claiming
    NakedSet,     //
    HiddenSet,    //
    Fish,         // X-wing, swordfish, jellyfish
    Wing,         // XY-wing, XYZ-wing
    Unique,       // unique rectangles and loops
    Bug,          //
    Exclusion,    // aligned pair and triple exclusion
    Chain,        // every chaining technique
};

Family familyOf(Technique technique) {
    switch (technique) {
    case Technique::FullHouse:
    case Technique::HiddenSingle:
        return Family::Single;
    case Technique::NakedSingle:
        return Family::NakedSingle;
    case Technique::DirectPointing:
    case Technique::DirectClaiming:
    case Technique::DirectHiddenPair:
    case Technique::DirectHiddenTriple:
        return Family::Direct;
    case Technique::Pointing:
    case Technique::Claiming:
        return Family::Intersection;
    case Technique::NakedPair:
    case Technique::NakedTriple:
    case Technique::NakedQuad:
        return Family::NakedSet;
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
    case Technique::HiddenQuad:
        return Family::HiddenSet;
    case Technique::XWing:
    case Technique::Swordfish:
    case Technique::Jellyfish:
        return Family::Fish;
    case Technique::XYWing:
    case Technique::XYZWing:
        return Family::Wing;
    case Technique::UniqueRectangle:
    case Technique::UniqueLoop:
        return Family::Unique;
    case Technique::BUG:
        return Family::Bug;
    case Technique::AlignedPairExclusion:
    case Technique::AlignedTripleExclusion:
        return Family::Exclusion;
    default:
        return Family::Chain;
    }
}

bool isDirectIntersection(Technique technique) {
    return technique == Technique::DirectPointing || technique == Technique::DirectClaiming;
}

// Where to look: "in box 5", "in rows 3 and 7", "with its pivot in box 5".
std::string whereToLook(const Step& step) {
    switch (familyOf(step.technique)) {
    case Family::Single:
    case Family::Direct:
    case Family::Intersection:
    case Family::NakedSet:
    case Family::HiddenSet:
        return concat({"in ", logic::houseName(step.house())});
    case Family::Fish:
        return concat({"in ", lineList(step, 0, step.size)});
    case Family::Wing:
        return concat({"with its pivot in ", boxName(step.cells[0])});
    default:
        return concat({"in ", boxName(stepFocus(step))});
    }
}

// The digit part of the concrete hint: "7", "3 and 8", "on 4s", "removing 4".
std::string whichDigit(const Step& step) {
    switch (familyOf(step.technique)) {
    case Family::Single:
    case Family::Intersection:
        return digitsText(step.digits);
    case Family::NakedSingle:
        return std::to_string(step.placedDigit);
    case Family::Direct:
        return isDirectIntersection(step.technique) ? digitsText(step.digits)
                                                    : concat({"on ", digitsText(step.digits)});
    case Family::NakedSet:
    case Family::HiddenSet:
    case Family::Unique:
        return concat({"on ", digitsText(step.digits)});
    case Family::Fish:
        return concat({"on ", digitsText(step.digits), "s"});
    case Family::Bug:
        return concat({"on ", digitsText(step.digits)});
    default:
        return step.places() ? concat({"placing ", std::to_string(step.placedDigit)})
                             : concat({"removing ", digitsText(eliminatedDigits(step))});
    }
}

std::string wholeStep(const Step& step) {
    const std::string name = capitalised(logic::techniqueName(step.technique));
    const std::string digits = digitsText(step.digits);
    const std::string house = step.houseCount > 0 ? logic::houseName(step.house()) : std::string();
    switch (familyOf(step.technique)) {
    case Family::Single:
        if (step.technique == Technique::FullHouse)
            return concat({name, ": ", digits, " is the last digit missing in ", house, ", at ",
                           cellInWords(step.placedCell)});
        return concat(
            {name, ": ", digits, " can only go in ", cellInWords(step.placedCell), " in ", house});
    case Family::NakedSingle:
        return concat({name, ": ", cellInWords(step.placedCell), " can only hold ",
                       std::to_string(step.placedDigit)});
    case Family::Direct: {
        const std::string single = concat(
            {std::to_string(step.placedDigit), " can only go in ", cellInWords(step.placedCell)});
        if (isDirectIntersection(step.technique))
            return concat({name, ": in ", house, ", ", digits, " lies only in ",
                           logic::houseName(step.houses[1]), ", so ", single, " in ",
                           logic::houseName(step.houses[2])});
        return concat({name, ": in ", house, ", ", digits, " only go in ",
                       cellList(step, 0, step.cellCount), ", so ", single});
    }
    case Family::Intersection:
        return concat({name, ": in ", house, ", ", digits, " lies only in ",
                       logic::houseName(step.houses[1]), ", so ", outcome(step)});
    case Family::NakedSet:
        return concat({name, ": in ", house, ", ", cellList(step, 0, step.cellCount), " hold only ",
                       digits, ", so ", outcome(step)});
    case Family::HiddenSet:
        return concat({name, ": in ", house, ", ", digits, " only go in ",
                       cellList(step, 0, step.cellCount), ", so ", outcome(step)});
    case Family::Fish:
        return concat({name, ": in ", lineList(step, 0, step.size), ", ", digits, " only goes in ",
                       lineList(step, step.size, 2 * step.size), ", so ", outcome(step)});
    case Family::Wing:
        return concat(
            {name, ": pivot ", logic::cellName(step.cells[0]), ", wings ", cellList(step, 1, 3),
             "; ", step.technique == Technique::XYWing ? "one wing is " : "one of the three is ",
             digits, ", so ", outcome(step)});
    case Family::Unique:
        return concat({name, " (type ", std::to_string(step.variant), ") on ", digits, " at ",
                       cellList(step, 0, step.size), ": only ", digits,
                       " there would give two solutions, so ", outcome(step)});
    case Family::Bug:
        return concat({name, " (type ", std::to_string(step.variant), "): but for ",
                       cellList(step, 0, step.size),
                       ", every empty cell would hold two digits and the puzzle two solutions, so ",
                       outcome(step)});
    case Family::Exclusion:
        return concat({name, ": ", cellList(step, 0, step.cellCount),
                       " see cells that rule out some of their combinations, so ", outcome(step)});
    case Family::Chain:
        break;
    }
    return concat({name, " (", std::to_string(step.chain.complexity), " nodes): ", outcome(step)});
}

} // namespace

std::string cellInWords(int cell) {
    return concat(
        {"row ", std::to_string(cell / 9 + 1), ", column ", std::to_string(cell % 9 + 1)});
}

int stepFocus(const Step& step) {
    if (step.places())
        return step.placedCell;
    for (int cell = 0; cell < 81; ++cell) {
        if (step.eliminations[static_cast<std::size_t>(cell)] != 0)
            return cell;
    }
    return step.cellCount > 0 ? step.cells[0] : -1;
}

std::string stepText(const Step& step, HintLevel level) {
    switch (level) {
    case HintLevel::WhereToLook:
        return concat({"Hint: look for ", withArticle(step.technique), " ", whereToLook(step)});
    case HintLevel::WhichDigit:
        return concat(
            {"Hint: ", withArticle(step.technique), " ", whichDigit(step), " ", whereToLook(step)});
    case HintLevel::NextStep:
        break;
    }
    return wholeStep(step);
}

} // namespace cellwright::teaching
