// The simulator's command line: every option's value is read whole and checked against its range,
// so a typing error stops the run instead of quietly playing some other number of deals.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace tolvanis::sim {

struct Options {
    long deals = 1000;
    int players = 4;
    unsigned long long seed = 1;
    bool check = false;
    bool trace = false;
    long injectAt = -1;  // the computer's move from which it plays a refused card; -1 never
    // Strengths of the seats in play, "standard" or "strong", as given (none: the rule list).
    std::vector<std::string> strengths;
    bool rotate = false;
    long thinkMs = 30;  // the Strong player's budget per move
};

inline constexpr long MaxDeals = 100'000'000;

// The usage text, with the defaults a run takes.
std::string Usage();

// The options, or a message naming the argument that is wrong.
std::variant<Options, std::string> ParseArguments(const std::vector<std::string>& args);

}  // namespace tolvanis::sim
