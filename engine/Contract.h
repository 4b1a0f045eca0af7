// Internal preconditions (a seat in range, a card in the hand that plays it). A broken one is a
// fault in the program, never in the player's input, so it stops the program on the spot with
// the place and the condition. Checked in the sanitizer builds and in the simulator, which are
// built with TOLVANIS_CONTRACTS; the optimised game pays nothing for them.
#pragma once

#ifdef TOLVANIS_CONTRACTS
#include <cstdio>
#include <cstdlib>

namespace tolvanis {

[[noreturn]] inline void ContractBroken(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: contract broken: %s\n", file, line, condition);
    std::abort();
}

}  // namespace tolvanis

#define TOLVANIS_EXPECT(condition)      \
    ((condition) ? static_cast<void>(0) \
                 : ::tolvanis::ContractBroken(#condition, __FILE__, __LINE__))
#else
#define TOLVANIS_EXPECT(condition) static_cast<void>(0)
#endif
