// The simulator's command line: whole numbers in range or a refusal that names the argument.
#include <gtest/gtest.h>

#include "Arguments.h"

using namespace tolvanis::sim;

namespace {

std::variant<Options, std::string> Parse(std::vector<std::string> args) {
    return ParseArguments(args);
}

}  // namespace

TEST(SimArguments, ReadsEveryOption) {
    const auto parsed =
        Parse({"--deals", "12", "--players", "3", "--seed", "18446744073709551615", "--check"});
    ASSERT_TRUE(std::holds_alternative<Options>(parsed));
    const Options& o = std::get<Options>(parsed);
    EXPECT_EQ(o.deals, 12);
    EXPECT_EQ(o.players, 3);
    EXPECT_EQ(o.seed, 18446744073709551615ull);
    EXPECT_TRUE(o.check);
    EXPECT_FALSE(o.trace);
    EXPECT_EQ(o.injectAt, -1);
    EXPECT_EQ(std::get<Options>(Parse({"--inject-illegal-move", "40"})).injectAt, 40);
    EXPECT_EQ(std::get<Options>(Parse({})).deals, 1000);
}

TEST(SimArguments, RefusesWhatIsNotAWholeNumberInRange) {
    const std::vector<std::vector<std::string>> wrong = {{"--deals", "abc"},
                                                         {"--deals", "12abc"},
                                                         {"--deals", "2.5"},
                                                         {"--deals", "-1"},
                                                         {"--deals", ""},
                                                         {"--deals", " 5"},
                                                         {"--deals", "99999999999999999999"},
                                                         {"--deals", "100000001"},
                                                         {"--players", "4294967298"},
                                                         {"--players", "1"},
                                                         {"--players", "5"},
                                                         {"--seed", "abc"},
                                                         {"--seed", "-3"},
                                                         {"--seed", "18446744073709551616"},
                                                         {"--inject-illegal-move", "-1"}};
    for (const auto& args : wrong) {
        const auto parsed = Parse(args);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << args[0] << " " << args[1];
        const std::string& message = std::get<std::string>(parsed);
        EXPECT_NE(message.find(args[0]), std::string::npos) << message;
        EXPECT_NE(message.find("\"" + args[1] + "\""), std::string::npos) << message;
    }
    EXPECT_NE(std::get<std::string>(Parse({"--deals"})).find("--deals"), std::string::npos);
    EXPECT_NE(std::get<std::string>(Parse({"--fast"})).find("--fast"), std::string::npos);
}

TEST(SimArguments, ReadsTheStrengthsRotationAndThinkingBudget) {
    const auto parsed =
        Parse({"--strength", "strong,standard,standard", "--rotate", "--think-ms", "7"});
    ASSERT_TRUE(std::holds_alternative<Options>(parsed));
    const Options& o = std::get<Options>(parsed);
    EXPECT_EQ(o.strengths, (std::vector<std::string>{"strong", "standard", "standard"}));
    EXPECT_TRUE(o.rotate);
    EXPECT_EQ(o.thinkMs, 7);
    // The last list given counts whole, not added to an earlier one.
    EXPECT_EQ(std::get<Options>(Parse({"--strength", "standard,strong", "--strength", "strong"}))
                  .strengths,
              std::vector<std::string>{"strong"});
    const Options defaults = std::get<Options>(Parse({}));
    EXPECT_TRUE(defaults.strengths.empty());
    EXPECT_FALSE(defaults.rotate);
    EXPECT_EQ(defaults.thinkMs, 30);
    EXPECT_NE(Usage().find("(default 30)"), std::string::npos);
}

TEST(SimArguments, RefusesAStrengthOrBudgetItDoesNotKnow) {
    // Each wrong word is named, even an empty one between commas.
    for (const auto& [list, word] :
         std::vector<std::pair<std::string, std::string>>{{"strongest", "strongest"},
                                                          {"Strong", "Strong"},
                                                          {"strong,,standard", ""},
                                                          {"strong,", ""},
                                                          {"", ""}}) {
        const auto parsed = Parse({"--strength", list});
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << list;
        EXPECT_NE(std::get<std::string>(parsed).find("--strength"), std::string::npos);
        EXPECT_NE(std::get<std::string>(parsed).find("\"" + word + "\""), std::string::npos)
            << std::get<std::string>(parsed);
    }
    EXPECT_TRUE(std::holds_alternative<std::string>(Parse({"--strength"})));
    for (const std::string budget : {"-1", "60001", "2.5", "ms"}) {
        const auto parsed = Parse({"--think-ms", budget});
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << budget;
        EXPECT_NE(std::get<std::string>(parsed).find("\"" + budget + "\""), std::string::npos);
    }
}

TEST(SimArguments, UsageSaysTheDefaults) {
    EXPECT_NE(Usage().find("(default 1000)"), std::string::npos);
}
