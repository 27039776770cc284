#pragma once
// Operator codes of command tokens that callers test for.
inline constexpr int kOpEqual = 3;
inline constexpr int kOpOpenParen = 13;
inline constexpr int kOpCloseParen = 14;
inline constexpr int kOpOpenBracket = 36;
inline constexpr int kOpCloseBracket = 37;
