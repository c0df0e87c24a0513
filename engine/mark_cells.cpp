#include "engine/mark_cells.hpp"

#include "engine/candidates.hpp"

#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#define CELLWRIGHT_HAVE_SSE2 1
#endif

namespace cellwright::detail {

namespace {

// Which digits each row, column and box holds. Built once per pass from the
// digits; this gives every cell's marks with three ORs instead of reading its
// 27 peers, with identical results.
class DigitUnits {
  public:
    using Mask = Board::Mask;
    using Masks = std::array<Mask, kSize>;

    struct CellUnits {
        std::uint8_t row, col, box;
    };

    explicit DigitUnits(const Board& board) {
        const auto& bits = board.digitBits();
        std::array<unsigned, kSize> rowSum{}, colSum{}, boxSum{};
        for (int row = 0; row < kSize; ++row) {
            for (int col = 0; col < kSize; ++col) {
                const Mask bit = bits[gridIndex(row, col)];
                const int box = boxOf(row, col);
                rows[row] |= bit;
                cols[col] |= bit;
                boxes[box] |= bit;
                rowSum[row] += bit;
                colSum[col] += bit;
                boxSum[box] += bit;
            }
        }
        // Distinct bits add up to their OR; a digit held twice makes the sum larger.
        for (int n = 0; n < kSize; ++n)
            repeated |= rowSum[n] != rows[n] || colSum[n] != cols[n] || boxSum[n] != boxes[n];
    }

    // The marks findProbables gives an empty cell with the digits as they stand.
    Mask marksOfEmptyCell(int index) const {
        const CellUnits u = kCells[index];
        return static_cast<Mask>(~(rows[u.row] | cols[u.col] | boxes[u.box]) & Board::kAllMarks);
    }

    Masks rows{}, cols{}, boxes{};
    bool repeated = false; // some unit holds a digit twice

  private:
    static constexpr std::array<CellUnits, kCellCount> kCells = [] {
        std::array<CellUnits, kCellCount> cells{};
        for (int i = 0; i < kCellCount; ++i) {
            cells[i] =
                CellUnits{static_cast<std::uint8_t>(rowOf(i)), static_cast<std::uint8_t>(colOf(i)),
                          static_cast<std::uint8_t>(boxOf(rowOf(i), colOf(i)))};
        }
        return cells;
    }();
};

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

unsigned orOfLanes(__m128i v) {
    v = _mm_or_si128(v, _mm_shuffle_epi32(v, 0x4E));
    v = _mm_or_si128(v, _mm_shuffle_epi32(v, 0xB1));
    v = _mm_or_si128(v, _mm_srli_epi32(v, 16));
    return static_cast<unsigned>(_mm_cvtsi128_si32(v)) & 0xFFFFU;
}

unsigned sumOfLanes(__m128i v) {
    v = _mm_add_epi16(v, _mm_shuffle_epi32(v, 0x4E));
    v = _mm_add_epi16(v, _mm_shuffle_epi32(v, 0xB1));
    v = _mm_add_epi16(v, _mm_srli_epi32(v, 16));
    return static_cast<unsigned>(_mm_cvtsi128_si32(v)) & 0xFFFFU;
}

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

std::int16_t markAllCellsScalar(Board& arr) {
    const DigitUnits units(arr);
    if (units.repeated)
        return markCellsOfClashingBoard(arr);
    // Without a repeated digit a filled cell's own digit is held by no peer, so
    // its marks are those of its units plus its own digit.
    const auto& bits = arr.digitBits();
    auto& marks = arr.allMarks();
    int smallest = kNoEmptyCell;
    for (int i = 0; i < kCellCount; ++i) {
        const Board::Mask open = static_cast<Board::Mask>(units.marksOfEmptyCell(i) | bits[i]);
        marks[i] = open;
        if (bits[i] == 0 && countMarks(open) < smallest)
            smallest = countMarks(open);
    }
    return static_cast<std::int16_t>(smallest);
}

#if CELLWRIGHT_HAVE_SSE2

// Each row is one vector of its first eight cells plus its ninth cell apart.
std::int16_t markAllCellsSimd(Board& arr) {
    const std::uint16_t* bits = arr.digitBits().data();
    std::uint16_t* marks = arr.allMarks().data();
    const __m128i zero = _mm_setzero_si128();
    const __m128i one = _mm_set1_epi16(1);

    __m128i row[kSize];
    std::array<unsigned, kSize> last{}; // the ninth cell of each row
    std::array<unsigned, kSize> rowHeld{};
    __m128i colHeld = zero;
    __m128i filledLanes = zero;
    unsigned lastColHeld = 0;
    int filled = 0;
    int distinct = 0; // digits held, summed over all 27 units
    for (int r = 0; r < kSize; ++r) {
        row[r] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bits + 9 * r));
        last[r] = bits[9 * r + 8];
        colHeld = _mm_or_si128(colHeld, row[r]);
        filledLanes =
            _mm_add_epi16(filledLanes, _mm_andnot_si128(_mm_cmpeq_epi16(row[r], zero), one));
        lastColHeld |= last[r];
        filled += last[r] != 0 ? 1 : 0;
        rowHeld[r] = orOfLanes(row[r]) | last[r];
        distinct += countMarks(static_cast<Board::Mask>(rowHeld[r]));
    }
    filled += static_cast<int>(sumOfLanes(filledLanes));
    distinct += static_cast<int>(sumOfLanes(countLanes(colHeld))) +
                countMarks(static_cast<Board::Mask>(lastColHeld));

    // Per band, a vector whose lanes hold the digits of each cell's box: lane i
    // of t is the OR of lanes i..i+2, so lanes 0, 3 and 6 are the three boxes,
    // spread to their neighbours by shifting one and two lanes up.
    const __m128i firstOfBox = _mm_setr_epi16(-1, 0, 0, -1, 0, 0, -1, 0);
    const __m128i secondOfBox = _mm_setr_epi16(0, -1, 0, 0, -1, 0, 0, -1);
    const __m128i thirdOfBox = _mm_setr_epi16(0, 0, -1, 0, 0, -1, 0, 0);
    const __m128i lastBoxLanes = _mm_setr_epi16(0, 0, 0, 0, 0, 0, -1, -1);
    __m128i boxHeld[3];
    std::array<unsigned, 3> lastBoxHeld{};
    for (int band = 0; band < 3; ++band) {
        const __m128i h =
            _mm_or_si128(_mm_or_si128(row[3 * band], row[3 * band + 1]), row[3 * band + 2]);
        const unsigned lastHeld = last[3 * band] | last[3 * band + 1] | last[3 * band + 2];
        const __m128i t = _mm_or_si128(h, _mm_or_si128(_mm_srli_si128(h, 2), _mm_srli_si128(h, 4)));
        const unsigned box0 = static_cast<unsigned>(_mm_extract_epi16(t, 0));
        const unsigned box1 = static_cast<unsigned>(_mm_extract_epi16(t, 3));
        const unsigned box2 = static_cast<unsigned>(_mm_extract_epi16(t, 6)) | lastHeld;
        distinct += countMarks(static_cast<Board::Mask>(box0)) +
                    countMarks(static_cast<Board::Mask>(box1)) +
                    countMarks(static_cast<Board::Mask>(box2));
        boxHeld[band] =
            _mm_or_si128(_mm_or_si128(_mm_and_si128(t, firstOfBox),
                                      _mm_and_si128(_mm_slli_si128(t, 2), secondOfBox)),
                         _mm_or_si128(_mm_and_si128(_mm_slli_si128(t, 4), thirdOfBox),
                                      _mm_and_si128(_mm_set1_epi16(static_cast<short>(lastHeld)),
                                                    lastBoxLanes)));
        lastBoxHeld[band] = box2;
    }
    // Every filled cell lies in three units; with no digit repeated in any unit,
    // each unit holds as many distinct digits as filled cells.
    if (distinct != 3 * filled)
        return markCellsOfClashingBoard(arr);

    const __m128i all = _mm_set1_epi16(static_cast<short>(Board::kAllMarks));
    const __m128i filledCount = _mm_set1_epi16(kNoEmptyCell);
    __m128i smallest = filledCount;
    int smallestLast = kNoEmptyCell;
    for (int r = 0; r < kSize; ++r) {
        const int band = r / 3;
        const __m128i held = _mm_or_si128(_mm_set1_epi16(static_cast<short>(rowHeld[r])),
                                          _mm_or_si128(colHeld, boxHeld[band]));
        const __m128i open = _mm_or_si128(_mm_andnot_si128(held, all), row[r]);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(marks + 9 * r), open);
        const __m128i empty = _mm_cmpeq_epi16(row[r], zero);
        const __m128i count = _mm_or_si128(_mm_and_si128(empty, countLanes(open)),
                                           _mm_andnot_si128(empty, filledCount));
        smallest = _mm_min_epi16(smallest, count);

        const unsigned openLast =
            (~(rowHeld[r] | lastColHeld | lastBoxHeld[band]) & Board::kAllMarks) | last[r];
        marks[9 * r + 8] = static_cast<std::uint16_t>(openLast);
        if (last[r] == 0 && countMarks(static_cast<Board::Mask>(openLast)) < smallestLast)
            smallestLast = countMarks(static_cast<Board::Mask>(openLast));
    }
    const int result = minOfLanes(smallest);
    return static_cast<std::int16_t>(result < smallestLast ? result : smallestLast);
}

bool simdAvailable() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    return __builtin_cpu_supports("sse2");
#else
    return true;
#endif
}

#else

std::int16_t markAllCellsSimd(Board& arr) {
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
