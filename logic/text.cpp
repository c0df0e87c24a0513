// Names, one-line descriptions of steps, values and bands, in English.
#include "logic/chains.hpp"
#include "logic/geometry.hpp"
#include "logic/rating.hpp"

#include <array>
#include <initializer_list>
#include <string_view>

namespace cellwright::logic {

using namespace detail;

std::string techniqueName(Technique technique) {
    static constexpr std::array<const char*, 37> kNames = {
        "full house",
        "hidden single",
        "direct pointing",
        "direct claiming",
        "direct hidden pair",
        "naked single",
        "direct hidden triple",
        "pointing",
        "claiming",
        "naked pair",
        "X-wing",
        "hidden pair",
        "naked triple",
        "swordfish",
        "hidden triple",
        "XY-wing",
        "XYZ-wing",
        "unique rectangle",
        "unique loop",
        "naked quad",
        "jellyfish",
        "hidden quad",
        "BUG",
        "aligned pair exclusion",
        "X-cycle",
        "Y-cycle",
        "forcing X-chain",
        "XY-cycle",
        "forcing chain",
        "aligned triple exclusion",
        "Nishio forcing chain",
        "cell forcing chain",
        "region forcing chain",
        "dynamic forcing chain",
        "dynamic forcing chain (+)",
        "nested forcing chain",
        "beyond",
    };
    const auto index = static_cast<std::size_t>(technique);
    return index < kNames.size() ? kNames[index] : "unknown";
}

std::string houseName(House house) {
    static constexpr std::array<const char*, 3> kTypes = {"box ", "row ", "column "};
    std::string name = kTypes[static_cast<std::size_t>(house.type) % 3];
    name += static_cast<char>('1' + house.index % 9);
    return name;
}

std::string cellName(int cell) {
    std::string name = "r1c1";
    name[1] = static_cast<char>('1' + rowOf(cell));
    name[3] = static_cast<char>('1' + columnOf(cell));
    return name;
}

namespace {

// Pieces joined by appending, in order, to one string: the way the texts
// here are built, literals and names alike, without chains of operator+.
std::string concat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text += part;
    return text;
}

std::string digitText(int digit) {
    return std::string(1, static_cast<char>('0' + digit));
}

// "3/8"
std::string digitList(Mask digits, char separator = '/') {
    std::string text;
    for (int digit = 1; digit <= 9; ++digit) {
        if (digits & digitBit(digit)) {
            if (!text.empty())
                text += separator;
            text += static_cast<char>('0' + digit);
        }
    }
    return text;
}

// "r4c2, r4c7" for cells [from, to) of the step.
std::string cellList(const Step& step, int from, int to) {
    std::string text;
    for (int i = from; i < to; ++i) {
        if (i > from)
            text += ", ";
        text += cellName(step.cells[i]);
    }
    return text;
}

// "rows 3, 8" for houses [from, to) of the step, all of one type.
std::string lineList(const Step& step, int from, int to) {
    std::string text = step.houses[from].type == HouseType::Row ? "rows " : "columns ";
    for (int i = from; i < to; ++i) {
        if (i > from)
            text += ", ";
        text += static_cast<char>('1' + step.houses[i].index % 9);
    }
    return text;
}

// "r4c2 <> 1 5, r4c7 <> 6; r2c1 = 9"
std::string effects(const Step& step) {
    std::string text;
    for (int cell = 0; cell < 81; ++cell) {
        if (step.eliminations[cell] == 0)
            continue;
        if (!text.empty())
            text += ", ";
        text += concat({cellName(cell), " <> ", digitList(step.eliminations[cell], ' ')});
    }
    if (step.places()) {
        if (!text.empty())
            text += "; ";
        text += concat({cellName(step.placedCell), " = ", digitText(step.placedDigit)});
    }
    return text;
}

std::string_view setName(int size) {
    static constexpr std::array<const char*, 8> kSets = {
        "", "", "pair", "triple", "quad", "set of 5", "set of 6", "set of 7"};
    return kSets[static_cast<std::size_t>(size) % kSets.size()];
}

// A unique rectangle's or loop's, or a BUG's pattern: "type 3 on 2/4 (r1c1,
// r1c5, r2c5, r2c1) with naked pair 1/7 (r1c8) in row 1".
std::string uniquePattern(const Step& step) {
    const std::string own = cellList(step, 0, step.size);
    std::string text = step.technique == Technique::BUG
                           ? concat({"type ", digitText(step.variant), " on ", own})
                           : concat({"type ", digitText(step.variant), " on ",
                                     digitList(step.digits), " (", own, ")"});
    if (step.variant == 2 || step.variant == 4)
        text += concat({" with ", digitList(step.otherDigits)});
    if (step.variant == 3) {
        text += concat({" with ", step.hiddenSet ? "hidden " : "naked ",
                        setName(digitCount(step.otherDigits)), " ", digitList(step.otherDigits)});
        if (step.size < step.cellCount)
            text += concat({" (", cellList(step, step.size, step.cellCount), ")"});
    }
    if (step.houseCount > 0 && step.variant >= 3)
        text += concat({" in ", houseName(step.house())});
    return text;
}

// The pattern, without the effects.
std::string pattern(const Step& step) {
    const std::string digits = digitList(step.digits);
    const std::string cells = concat({"(", cellList(step, 0, step.cellCount), ")"});
    switch (step.technique) {
    case Technique::FullHouse:
    case Technique::HiddenSingle:
        return concat({digits, " in ", houseName(step.house())});
    case Technique::NakedSingle:
        return "";
    case Technique::AlignedPairExclusion:
        return concat({"on ", cellList(step, 0, step.cellCount)});
    case Technique::DirectPointing:
    case Technique::DirectClaiming:
    case Technique::Pointing:
    case Technique::Claiming:
        return concat({digits, " in ", houseName(step.houses[0]), " ", cells, " on ",
                       houseName(step.houses[1])});
    case Technique::DirectHiddenPair:
    case Technique::DirectHiddenTriple:
    case Technique::NakedPair:
    case Technique::NakedTriple:
    case Technique::NakedQuad:
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
    case Technique::HiddenQuad:
        return concat({digits, " in ", houseName(step.house()), " ", cells});
    case Technique::XWing:
    case Technique::Swordfish:
    case Technique::Jellyfish:
        return concat({digits, " in ", lineList(step, 0, step.size), " on ",
                       lineList(step, step.size, 2 * step.size)});
    case Technique::XYWing:
    case Technique::XYZWing:
        return concat(
            {digits, " with pivot ", cellName(step.cells[0]), " and wings ", cellList(step, 1, 3)});
    case Technique::UniqueRectangle:
    case Technique::UniqueLoop:
    case Technique::BUG:
        return uniquePattern(step);
    default:
        if (!step.chain.nodes.empty())
            return chainPattern(step);
        return step.cellCount > 0 ? cells : "";
    }
}

} // namespace

std::string describe(const Step& step) {
    std::string text = techniqueName(step.technique);
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    const std::string about = pattern(step);
    if (!about.empty())
        text += concat({" ", about});
    // A chain's last node is a conclusion of its own: the spaces keep it apart.
    return concat({text, step.chain.nodes.empty() ? ": " : " : ", effects(step)});
}

std::string formatValue(int tenths, bool bound) {
    std::string text = bound ? ">" : "";
    text += std::to_string(tenths / 10);
    text += '.';
    text += static_cast<char>('0' + tenths % 10);
    return text;
}

Band bandOf(int erTenths) {
    if (erTenths <= 23)
        return Band::Easy;
    if (erTenths <= 34)
        return Band::Medium;
    if (erTenths <= 44)
        return Band::Hard;
    if (erTenths <= 62)
        return Band::Fiendish;
    if (erTenths <= 89)
        return Band::Diabolical;
    return Band::Extreme;
}

std::string bandName(Band band) {
    static constexpr std::array<const char*, 6> kBands = {"Easy",     "Medium",     "Hard",
                                                          "Fiendish", "Diabolical", "Extreme"};
    return kBands[static_cast<std::size_t>(band) % kBands.size()];
}

} // namespace cellwright::logic
