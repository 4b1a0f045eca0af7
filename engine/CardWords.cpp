#include "CardWords.h"

#include <array>

namespace tolvanis {

namespace {

// By -value: the action and wild cards carry the values -2..-6.
constexpr std::array<CardWords, 7> ActionWords{{
    {},
    {},
    {"<+2>", "+2"},
    {"<skip-next-turn>", "skip"},
    {"<+4>", "wild +4"},
    {"<color-change>", "wild color change"},
    {"<reverse-direction>", "reverse"},
}};

}  // namespace

CardWords WordsOf(ValueCode value) {
    const int rank = Rank(value);
    if (rank > -2 || rank < -6) return {};
    return ActionWords[std::size_t(-rank)];
}

}  // namespace tolvanis
