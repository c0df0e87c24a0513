#pragma once

#include <string_view>

namespace cellwright {

// The texts of the message line.
inline constexpr std::string_view kBoardSolved = "Board Solved";
inline constexpr std::string_view kBoardUnsolvable = "Board Is Unsolvable";
inline constexpr std::string_view kGuessLimitReached =
    "Buffer overflow. Board may be unsolvable/ambiguous";
inline constexpr std::string_view kErrorLoadingBoard = "Error loading board";
inline constexpr std::string_view kErrorSavingBoard = "Error saving board";

} // namespace cellwright
