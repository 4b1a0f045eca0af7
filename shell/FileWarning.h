// The one line a store of the game's files says when its file is damaged or cannot be written:
// at most once per store, to the store's own sink or else to stderr, so a player who runs the
// game from a terminal learns why their settings or statistics were not kept.
#pragma once

#include <QString>

#include <cstdio>
#include <functional>

namespace tolvanis {

inline void WarnOncePerStore(bool& warned, const std::function<void(const QString&)>& warn,
                             const QString& text) {
    if (warned) return;
    warned = true;
    if (warn) {
        warn(text);
    } else {
        std::fprintf(stderr, "tolvanis: %s\n", qPrintable(text));
    }
}

}  // namespace tolvanis
