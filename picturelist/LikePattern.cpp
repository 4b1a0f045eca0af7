#include "LikePattern.h"

#include "PictureListError.h"

namespace picturelist {

namespace {
PictureListError invalidPattern() {
    return {ErrInvalidPattern, QStringLiteral("Invalid pattern string")};
}
}  // namespace

LikePattern::LikePattern(QStringView pattern) {
    const qsizetype n = pattern.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = pattern[i].unicode();
        Element e;
        switch (c) {
            case u'?':
                e.kind = Kind::AnyChar;
                break;
            case u'*':
                // Runs of stars mean the same as one and would only cost backtracking.
                if (!elements_.empty() && elements_.back().kind == Kind::AnyRun) continue;
                e.kind = Kind::AnyRun;
                break;
            case u'#':
                e.kind = Kind::Digit;
                break;
            case u'[': {
                qsizetype j = i + 1;
                if (j < n && pattern[j] == u'!') {
                    e.negated = true;
                    ++j;
                }
                const qsizetype listStart = j;
                while (j < n && pattern[j] != u']')
                    ++j;
                if (j >= n) throw invalidPattern();
                const qsizetype listEnd = j;  // index of ']'
                if (listEnd == listStart && !e.negated) {
                    // "[]" stands for the empty text: it consumes nothing.
                    e.kind = Kind::Nothing;
                } else {
                    e.kind = Kind::Set;
                    for (qsizetype k = listStart; k < listEnd; ++k) {
                        const char16_t a = pattern[k].unicode();
                        const bool leadingHyphen = a == u'-' && k == listStart;
                        const bool rangeFollows =
                            !leadingHyphen && k + 2 < listEnd && pattern[k + 1] == u'-';
                        if (rangeFollows) {
                            const char16_t b = pattern[k + 2].unicode();
                            if (b < a) throw invalidPattern();
                            e.ranges.push_back({a, b});
                            k += 2;
                        } else {
                            e.ranges.push_back({a, a});
                        }
                    }
                }
                i = listEnd;
                break;
            }
            default:
                e.kind = Kind::Literal;
                e.literal = c;
                break;
        }
        elements_.push_back(std::move(e));
    }
}

bool LikePattern::matchesOne(const Element& e, char16_t c) const {
    switch (e.kind) {
        case Kind::Literal:
            return c == e.literal;
        case Kind::AnyChar:
            return true;
        case Kind::Digit:
            return c >= u'0' && c <= u'9';
        case Kind::Set: {
            bool inList = false;
            for (const Range& r : e.ranges) {
                if (c >= r.first && c <= r.last) {
                    inList = true;
                    break;
                }
            }
            return inList != e.negated;
        }
        case Kind::AnyRun:
        case Kind::Nothing:
            break;
    }
    return false;
}

bool LikePattern::matches(QStringView text) const {
    // Greedy walk with one remembered star: every element other than a star and the empty list
    // consumes exactly one character, so going back to the last star is enough.
    const size_t m = elements_.size();
    const qsizetype n = text.size();
    size_t pi = 0;
    qsizetype ti = 0;
    size_t starElement = m;  // none
    qsizetype starText = 0;
    while (true) {
        while (pi < m && elements_[pi].kind == Kind::Nothing)
            ++pi;
        if (pi < m && elements_[pi].kind == Kind::AnyRun) {
            starElement = pi++;
            starText = ti;
            continue;
        }
        if (ti == n) {
            if (pi == m) return true;
        } else if (pi < m && matchesOne(elements_[pi], text[ti].unicode())) {
            ++pi;
            ++ti;
            continue;
        }
        if (starElement == m || starText >= n) return false;
        // Let the last star swallow one more character and try again after it.
        ++starText;
        ti = starText;
        pi = starElement + 1;
    }
}

}  // namespace picturelist
