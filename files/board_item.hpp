#pragma once

#include <cstddef>
#include <string_view>

namespace cellwright {

// One item of a board file, read as the window's Load and the solver's
// backups read it. Everything that reads board files goes through
// readBoardItem, so that cellwright-solve and the window never disagree on
// what a file holds.
struct BoardItem {
    enum class Kind {
        Number,     // an optional sign and decimal digits, -32768..32767
        NotANumber, // anything else, the empty item included: read as 0
        TooLarge,   // digits beyond the 16-bit range: a read error
    };
    Kind kind = Kind::Number;
    int value = 0; // Number: its value; otherwise 0
};

namespace board_item {

inline constexpr int kEnd = -1;

inline bool isBlank(int c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
inline bool endsItem(int c) {
    return isBlank(c) || c == ',';
}

} // namespace board_item

// Bytes of a text, one at a time, as the item readers below take them.
class BoardTextSource {
  public:
    explicit BoardTextSource(std::string_view bytes) : bytes_(bytes) {}
    int peek() const {
        return pos_ < bytes_.size() ? static_cast<unsigned char>(bytes_[pos_]) : board_item::kEnd;
    }
    void skip() { ++pos_; }
    std::size_t position() const { return pos_; }

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// Skips the blanks (space, tab, CR, LF) before an item; false at the end of
// the input, where no item begins. Source has peek() (a byte as unsigned char,
// or board_item::kEnd) and skip().
template <class Source> bool skipToBoardItem(Source& in) {
    int c = in.peek();
    while (c != board_item::kEnd && board_item::isBlank(c)) {
        in.skip();
        c = in.peek();
    }
    return c != board_item::kEnd;
}

// Reads the item that begins here: up to a blank, a comma or the end of the
// input, and then one separator, a comma after optional spaces or tabs, which
// belongs to it ("5 , 3" is two items, "5,,3" three). Past 32768 a number is
// too large whatever follows, so its magnitude stops growing there: an endless
// run of digits is read in bounded memory, and the next item still starts
// where this one ends.
template <class Source> BoardItem readBoardItem(Source& in) {
    using board_item::kEnd;
    int c = in.peek();
    bool numeric = true;
    bool negative = false;
    bool anyDigit = false;
    bool first = true;
    bool tooLarge = false;
    int magnitude = 0;
    while (c != kEnd && !board_item::endsItem(c)) {
        if (numeric) {
            if (first && (c == '-' || c == '+')) {
                negative = c == '-';
            } else if (c >= '0' && c <= '9') {
                anyDigit = true;
                if (!tooLarge) {
                    magnitude = magnitude * 10 + (c - '0');
                    tooLarge = magnitude > 32768;
                }
            } else {
                numeric = false;
            }
        }
        first = false;
        in.skip();
        c = in.peek();
    }
    while (c == ' ' || c == '\t') {
        in.skip();
        c = in.peek();
    }
    if (c == ',')
        in.skip();

    if (tooLarge)
        return {BoardItem::Kind::TooLarge, 0};
    if (!numeric || !anyDigit)
        return {BoardItem::Kind::NotANumber, 0};
    const int value = negative ? -magnitude : magnitude;
    if (value > 32767)
        return {BoardItem::Kind::TooLarge, 0};
    return {BoardItem::Kind::Number, value};
}

} // namespace cellwright
