#include "Arguments.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

namespace tolvanis::sim {

namespace {

// The whole text as a decimal number in [low, high]; a sign, blanks, a fraction or trailing
// characters make it no number.
std::optional<std::uint64_t> WholeNumber(const std::string& text, std::uint64_t low,
                                         std::uint64_t high) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::string Refusal(const std::string& option, const std::string& value, std::uint64_t low,
                    std::uint64_t high) {
    return option + " wants a whole number from " + std::to_string(low) + " to " +
           std::to_string(high) + ", not \"" + value + "\"";
}

}  // namespace

std::string Usage() {
    const Options defaults;
    return "usage: tolvanis-sim [--deals N] [--players 2|3|4] [--seed S] [--check] [--trace]\n"
           "                    [--inject-illegal-move M] [--strength standard|strong[,...]]\n"
           "                    [--rotate] [--think-ms MS]\n"
           "  --deals N     deals to play, 0 to " +
           std::to_string(MaxDeals) + " (default " + std::to_string(defaults.deals) +
           ")\n"
           "  --players P   seats in the deal (default " +
           std::to_string(defaults.players) +
           ")\n"
           "  --seed S      seed of the random numbers, 0 to 18446744073709551615 (default " +
           std::to_string(defaults.seed) +
           ")\n"
           "  --check       check after every move that no card was lost\n"
           "  --trace       print each deal's shuffle and moves log\n"
           "  --inject-illegal-move M\n"
           "                from the computer's M-th move on, play a card the rules refuse\n"
           "  --strength L  strengths of the seats in play in seat order, one for all or one each\n"
           "  --rotate      move the strengths one seat on with every deal\n"
           "  --think-ms MS the Strong player's thinking budget per move (default " +
           std::to_string(defaults.thinkMs) + ")\n";
}

std::variant<Options, std::string> ParseArguments(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--check") {
            o.check = true;
            continue;
        }
        if (arg == "--trace") {
            o.trace = true;
            continue;
        }
        if (arg == "--rotate") {
            o.rotate = true;
            continue;
        }
        if (arg == "--strength") {
            if (i + 1 >= args.size()) return arg + " wants a value";
            const std::string& list = args[++i];
            o.strengths.clear();
            std::size_t from = 0;
            while (from <= list.size()) {
                const std::size_t comma = std::min(list.find(',', from), list.size());
                const std::string word = list.substr(from, comma - from);
                if (word != "standard" && word != "strong")
                    return "--strength wants standard or strong, not \"" + word + "\"";
                o.strengths.push_back(word);
                from = comma + 1;
            }
            continue;
        }
        std::uint64_t low = 0, high = 0;
        if (arg == "--deals") {
            high = MaxDeals;
        } else if (arg == "--players") {
            low = 2, high = 4;
        } else if (arg == "--seed") {
            high = UINT64_MAX;
        } else if (arg == "--inject-illegal-move") {
            high = MaxDeals * 10000;
        } else if (arg == "--think-ms") {
            high = 60000;
        } else {
            return "unknown argument \"" + arg + "\"";
        }
        if (i + 1 >= args.size()) return arg + " wants a value";
        const std::string& text = args[++i];
        const std::optional<std::uint64_t> value = WholeNumber(text, low, high);
        if (!value) return Refusal(arg, text, low, high);
        if (arg == "--deals")
            o.deals = long(*value);
        else if (arg == "--players")
            o.players = int(*value);
        else if (arg == "--inject-illegal-move")
            o.injectAt = long(*value);
        else if (arg == "--think-ms")
            o.thinkMs = long(*value);
        else
            o.seed = *value;
    }
    return o;
}

}  // namespace tolvanis::sim
