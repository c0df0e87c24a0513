#include "engine/mark_cells.hpp"

#include "engine/candidates.hpp"

#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#define CELLWRIGHT_HAVE_SSE2 1
#endif

namespace cellwright::detail {

namespace {

// A board on which some unit holds a digit twice: each filled cell is emptied in
// turn, exactly as the marks are defined. Rare (it ends any search), so plain.
std::int16_t markCellsOfClashingBoard(Board& arr) {
    for (int i = 0; i < kCellCount; ++i) {
        const int v = arr.digit(i);
        (void)arr.setDigit(i, 0);
        std::int16_t last = 0;
        findProbables(arr, static_cast<std::int16_t>(rowOf(i)), static_cast<std::int16_t>(colOf(i)),
                      last);
        (void)arr.setDigit(i, v);
    }
    return kClash; // overrides any count, a dead end included
}

#if CELLWRIGHT_HAVE_SSE2

int minOfLanes(__m128i v) {
    v = _mm_min_epi16(v, _mm_shuffle_epi32(v, 0x4E));
    v = _mm_min_epi16(v, _mm_shuffle_epi32(v, 0xB1));
    v = _mm_min_epi16(v, _mm_srli_epi32(v, 16));
    return static_cast<std::int16_t>(_mm_cvtsi128_si32(v) & 0xFFFF);
}

__m128i countLanes(__m128i v) {
    const __m128i m1 = _mm_set1_epi16(0x5555);
    const __m128i m2 = _mm_set1_epi16(0x3333);
    const __m128i m4 = _mm_set1_epi16(0x0F0F);
    v = _mm_sub_epi16(v, _mm_and_si128(_mm_srli_epi16(v, 1), m1));
    v = _mm_add_epi16(_mm_and_si128(v, m2), _mm_and_si128(_mm_srli_epi16(v, 2), m2));
    v = _mm_and_si128(_mm_add_epi16(v, _mm_srli_epi16(v, 4)), m4);
    return _mm_and_si128(_mm_add_epi16(v, _mm_srli_epi16(v, 8)), _mm_set1_epi16(0x1F));
}

#endif

} // namespace

Analysis markAllCellsScalar(Board& arr) {
    if (!arr.clashFree() && !arr.refreshUnits())
        return {markCellsOfClashingBoard(arr), -1};
    // Without a repeated digit a filled cell's own digit is held by no peer, so
    // its marks are those of its units plus its own digit.
    const auto& bits = arr.digitBits();
    auto& marks = arr.allMarks();
    int smallest = kNoEmptyCell;
    int first = -1;
    for (int i = 0; i < kCellCount; ++i) {
        const auto open = static_cast<Board::Mask>(arr.openDigits(i) | bits[i]);
        marks[i] = open;
        if (bits[i] == 0 && countMarks(open) < smallest) {
            smallest = countMarks(open);
            first = i;
        }
    }
    return {static_cast<std::int16_t>(smallest), static_cast<std::int16_t>(first)};
}

#if CELLWRIGHT_HAVE_SSE2

// Each row is one vector of its first eight cells plus its ninth cell apart.
Analysis markAllCellsSimd(Board& arr) {
    if (!arr.clashFree() && !arr.refreshUnits())
        return {markCellsOfClashingBoard(arr), -1};
    const Board::Units& units = arr.units();
    const std::uint16_t* bits = arr.digitBits().data();
    std::uint16_t* marks = arr.allMarks().data();
    const __m128i zero = _mm_setzero_si128();
    const __m128i all = _mm_set1_epi16(static_cast<short>(Board::kAllMarks));
    const __m128i filledCount = _mm_set1_epi16(kNoEmptyCell);
    const __m128i colHeld = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units.cols.data()));
    const unsigned lastColHeld = units.cols[8];

    // Candidate counts, filled cells counted as kNoEmptyCell, kept to find the
    // first cell at the minimum once it is known.
    __m128i counts[kSize];
    std::array<int, kSize> lastCounts;
    __m128i smallest = filledCount;
    int smallestLast = kNoEmptyCell;
    for (int band = 0; band < 3; ++band) {
        const Board::Mask* box = units.boxes.data() + 3 * band;
        // Lane i holds the digits of the box of cell i of the band's rows.
        const __m128i boxHeld = _mm_setr_epi16(
            static_cast<short>(box[0]), static_cast<short>(box[0]), static_cast<short>(box[0]),
            static_cast<short>(box[1]), static_cast<short>(box[1]), static_cast<short>(box[1]),
            static_cast<short>(box[2]), static_cast<short>(box[2]));
        const __m128i colAndBoxHeld = _mm_or_si128(colHeld, boxHeld);
        const unsigned lastColAndBoxHeld = lastColHeld | box[2];
        for (int r = 3 * band; r < 3 * band + 3; ++r) {
            const __m128i row = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bits + 9 * r));
            const __m128i held =
                _mm_or_si128(_mm_set1_epi16(static_cast<short>(units.rows[r])), colAndBoxHeld);
            const __m128i open = _mm_or_si128(_mm_andnot_si128(held, all), row);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(marks + 9 * r), open);
            const __m128i empty = _mm_cmpeq_epi16(row, zero);
            counts[r] = _mm_or_si128(_mm_and_si128(empty, countLanes(open)),
                                     _mm_andnot_si128(empty, filledCount));
            smallest = _mm_min_epi16(smallest, counts[r]);

            const unsigned lastBit = bits[9 * r + 8];
            const unsigned openLast =
                (~(units.rows[r] | lastColAndBoxHeld) & Board::kAllMarks) | lastBit;
            marks[9 * r + 8] = static_cast<std::uint16_t>(openLast);
            lastCounts[r] =
                lastBit == 0 ? countMarks(static_cast<Board::Mask>(openLast)) : kNoEmptyCell;
            smallestLast = lastCounts[r] < smallestLast ? lastCounts[r] : smallestLast;
        }
    }
    const int lanesMin = minOfLanes(smallest);
    const int m = lanesMin < smallestLast ? lanesMin : smallestLast;
    if (m == kNoEmptyCell)
        return {kNoEmptyCell, -1};
    const __m128i target = _mm_set1_epi16(static_cast<short>(m));
    for (int r = 0; r < kSize; ++r) {
        // Two mask bits per 16-bit lane.
        const unsigned lanes =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(counts[r], target)));
        if (lanes != 0)
            return {static_cast<std::int16_t>(m),
                    static_cast<std::int16_t>(9 * r + std::countr_zero(lanes) / 2)};
        if (lastCounts[r] == m)
            return {static_cast<std::int16_t>(m), static_cast<std::int16_t>(9 * r + 8)};
    }
    return {static_cast<std::int16_t>(m), -1}; // not reached: some cell has the minimum
}

bool simdAvailable() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    return __builtin_cpu_supports("sse2");
#else
    return true;
#endif
}

#else

Analysis markAllCellsSimd(Board& arr) {
    return markAllCellsScalar(arr);
}
bool simdAvailable() {
    return false;
}

#endif

MarkAllCells chosenMarkAllCells() {
    static const MarkAllCells chosen = simdAvailable() ? &markAllCellsSimd : &markAllCellsScalar;
    return chosen;
}

} // namespace cellwright::detail
