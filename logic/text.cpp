// Names, one-line descriptions of steps, values and bands, in English.
#include "logic/chains.hpp"
#include "logic/geometry.hpp"
#include "logic/rating.hpp"

#include <array>

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
    return kTypes[static_cast<std::size_t>(house.type) % 3] + std::to_string(house.index + 1);
}

std::string cellName(int cell) {
    return "r" + std::to_string(rowOf(cell) + 1) + "c" + std::to_string(columnOf(cell) + 1);
}

namespace {

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
    for (int i = from; i < to; ++i)
        text += (i > from ? ", " : "") + cellName(step.cells[i]);
    return text;
}

// "rows 3, 8" for houses [from, to) of the step, all of one type.
std::string lineList(const Step& step, int from, int to) {
    std::string text = step.houses[from].type == HouseType::Row ? "rows " : "columns ";
    for (int i = from; i < to; ++i)
        text += (i > from ? ", " : "") + std::to_string(step.houses[i].index + 1);
    return text;
}

// "r4c2 <> 1 5, r4c7 <> 6; r2c1 = 9"
std::string effects(const Step& step) {
    std::string text;
    for (int cell = 0; cell < 81; ++cell) {
        if (step.eliminations[cell] == 0)
            continue;
        text += (text.empty() ? "" : ", ") + cellName(cell) + " <> " +
                digitList(step.eliminations[cell], ' ');
    }
    if (step.places()) {
        text += (text.empty() ? "" : "; ") + cellName(step.placedCell) + " = " +
                std::to_string(step.placedDigit);
    }
    return text;
}

std::string setName(int size) {
    static constexpr std::array<const char*, 8> kSets = {
        "", "", "pair", "triple", "quad", "set of 5", "set of 6", "set of 7"};
    return kSets[static_cast<std::size_t>(size) % kSets.size()];
}

// The pattern, without the effects.
std::string pattern(const Step& step) {
    const std::string digits = digitList(step.digits);
    const std::string cells = "(" + cellList(step, 0, step.cellCount) + ")";
    switch (step.technique) {
    case Technique::FullHouse:
    case Technique::HiddenSingle:
        return digits + " in " + houseName(step.house());
    case Technique::NakedSingle:
        return "";
    case Technique::AlignedPairExclusion:
        return "on " + cellList(step, 0, step.cellCount);
    case Technique::DirectPointing:
    case Technique::DirectClaiming:
    case Technique::Pointing:
    case Technique::Claiming:
        return digits + " in " + houseName(step.houses[0]) + " " + cells + " on " +
               houseName(step.houses[1]);
    case Technique::DirectHiddenPair:
    case Technique::DirectHiddenTriple:
    case Technique::NakedPair:
    case Technique::NakedTriple:
    case Technique::NakedQuad:
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
    case Technique::HiddenQuad:
        return digits + " in " + houseName(step.house()) + " " + cells;
    case Technique::XWing:
    case Technique::Swordfish:
    case Technique::Jellyfish:
        return digits + " in " + lineList(step, 0, step.size) + " on " +
               lineList(step, step.size, 2 * step.size);
    case Technique::XYWing:
    case Technique::XYZWing:
        return digits + " with pivot " + cellName(step.cells[0]) + " and wings " +
               cellList(step, 1, 3);
    case Technique::UniqueRectangle:
    case Technique::UniqueLoop:
    case Technique::BUG: {
        const bool bug = step.technique == Technique::BUG;
        const int own = step.size;
        std::string text =
            "type " + std::to_string(step.variant) + " on " +
            (bug ? cellList(step, 0, own) : digits + " (" + cellList(step, 0, own) + ")");
        if (step.variant == 2 || step.variant == 4)
            text += " with " + digitList(step.otherDigits);
        if (step.variant == 3) {
            const int setSize = digitCount(step.otherDigits);
            text += " with " + std::string(step.hiddenSet ? "hidden " : "naked ") +
                    setName(setSize) + " " + digitList(step.otherDigits);
            if (own < step.cellCount)
                text += " (" + cellList(step, own, step.cellCount) + ")";
        }
        if (step.houseCount > 0 && step.variant >= 3)
            text += " in " + houseName(step.house());
        return text;
    }
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
        text += " " + about;
    // A chain's last node is a conclusion of its own: the spaces keep it apart.
    return text + (step.chain.nodes.empty() ? ": " : " : ") + effects(step);
}

std::string formatValue(int tenths, bool bound) {
    const int whole = tenths / 10;
    const int tenth = tenths % 10;
    return (bound ? ">" : "") + std::to_string(whole) + "." +
           std::to_string(tenth < 0 ? -tenth : tenth);
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
