// The list's Find pattern against a small matcher written separately from the pattern rules:
// both must agree on every pattern and text, and on which patterns are malformed.
//
// Input: the first byte splits the rest into pattern and text; each byte is one character
// (Latin-1), so that brackets, stars, digits and letters of both cases come up often.
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include "FuzzSupport.h"
#include "LikePattern.h"
#include "PictureListError.h"

namespace {

// The reference: the pattern as a list of one-character tests and stars, matched by dynamic
// programming over (pattern position, text position), with no backtracking shortcuts.
struct Token {
    enum Kind { Char, Any, Star, Digit, Set, Empty } kind = Char;
    char16_t c = 0;
    bool negated = false;
    std::vector<std::pair<char16_t, char16_t>> ranges;

    bool Takes(char16_t x) const {
        switch (kind) {
            case Char:
                return x == c;
            case Any:
                return true;
            case Digit:
                return x >= u'0' && x <= u'9';
            case Set: {
                bool in = false;
                for (const auto& [low, high] : ranges)
                    in = in || (x >= low && x <= high);
                return in != negated;
            }
            default:
                return false;
        }
    }
};

// Nothing for a malformed pattern: a list never closed, or a range from high to low.
std::optional<std::vector<Token>> Tokens(const QString& p) {
    std::vector<Token> tokens;
    for (int i = 0; i < p.size(); ++i) {
        Token t;
        const char16_t c = p[i].unicode();
        if (c == u'?') {
            t.kind = Token::Any;
        } else if (c == u'*') {
            t.kind = Token::Star;
        } else if (c == u'#') {
            t.kind = Token::Digit;
        } else if (c == u'[') {
            const int close = p.indexOf(u']', i + 1);
            if (close < 0) return std::nullopt;
            QString list = p.mid(i + 1, close - i - 1);
            i = close;
            if (list.isEmpty()) {
                t.kind = Token::Empty;  // "[]" matches the empty text
                tokens.push_back(t);
                continue;
            }
            t.kind = Token::Set;
            if (list.startsWith(u'!')) {
                t.negated = true;
                list.remove(0, 1);
            }
            for (int k = 0; k < list.size(); ++k) {
                const char16_t a = list[k].unicode();
                // A hyphen between two characters makes a range; a leading one stands for itself.
                if (!(a == u'-' && k == 0) && k + 2 < list.size() && list[k + 1] == u'-') {
                    const char16_t b = list[k + 2].unicode();
                    if (b < a) return std::nullopt;
                    t.ranges.push_back({a, b});
                    k += 2;
                } else {
                    t.ranges.push_back({a, a});
                }
            }
        } else {
            t.c = c;
        }
        tokens.push_back(t);
    }
    return tokens;
}

bool Matches(const std::vector<Token>& tokens, const QString& text) {
    const std::size_t m = tokens.size(), n = std::size_t(text.size());
    // can[i][j]: tokens from i on match the text from j on.
    std::vector<std::vector<char>> can(m + 1, std::vector<char>(n + 1, 0));
    can[m][n] = 1;
    for (std::size_t i = m; i-- > 0;) {
        for (std::size_t j = n + 1; j-- > 0;) {
            const Token& t = tokens[i];
            if (t.kind == Token::Star)
                can[i][j] = can[i + 1][j] || (j < n && can[i][j + 1]);
            else if (t.kind == Token::Empty)
                can[i][j] = can[i + 1][j];
            else
                can[i][j] = j < n && t.Takes(text[qsizetype(j)].unicode()) && can[i + 1][j + 1];
        }
    }
    return can[0][0];
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 400) return 0;  // the reference is quadratic
    const std::size_t split = std::min<std::size_t>(data[0], size - 1);
    const QString pattern =
        QString::fromLatin1(reinterpret_cast<const char*>(data + 1), qsizetype(split));
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data + 1 + split),
                                             qsizetype(size - 1 - split));
    const std::optional<std::vector<Token>> tokens = Tokens(pattern);
    try {
        const picturelist::LikePattern like(pattern);
        FUZZ_CHECK(tokens.has_value());
        FUZZ_CHECK(like.matches(text) == Matches(*tokens, text));
    } catch (const picturelist::PictureListError& error) {
        FUZZ_CHECK(error.number() == picturelist::ErrInvalidPattern);
        FUZZ_CHECK(!tokens.has_value());
    }
    return 0;
}
