// The pattern language of Find: ? one character, * any run (also none), # one digit, [list] one
// character of the list (ranges with a hyphen), [!list] one character not in it. Hyphens first or
// last in a list stand for themselves; [, ?, # and * become literal inside brackets. Everything
// else compares by character code, so case folding is the caller's business.
#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace picturelist {

class LikePattern {
  public:
    // Throws PictureListError 93 for a bracket that is never closed or a range written backwards.
    explicit LikePattern(QStringView pattern);

    bool matches(QStringView text) const;

  private:
    struct Range {
        char16_t first;
        char16_t last;
    };
    enum class Kind { Literal, AnyChar, AnyRun, Digit, Set, Nothing };
    struct Element {
        Kind kind = Kind::Literal;
        char16_t literal = 0;
        bool negated = false;
        std::vector<Range> ranges;
    };

    bool matchesOne(const Element& e, char16_t c) const;

    std::vector<Element> elements_;
};

inline bool likeMatch(QStringView text, QStringView pattern) {
    return LikePattern(pattern).matches(text);
}

}  // namespace picturelist
