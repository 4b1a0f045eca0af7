// Shared ground for the engine's scenario tests: an Engine on the seeded FakeServices, the
// position builder (hands, the card on the table and the colour to follow, seat modes, whose
// turn it is, what is owed), helpers that act through the handlers, and the card-conservation check
// that every move must pass.
#pragma once

#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Engine.h"
#include "FakeServices.h"
#include "Invariants.h"
#include "PositionBuilder.h"
#include "Texts.h"

namespace tolvanis {
// A failed expectation prints colours and values by their numbers.
inline void PrintTo(ColorCode c, std::ostream* os) {
    *os << "colour " << Index(c);
}
inline void PrintTo(ValueCode v, std::ostream* os) {
    *os << "value " << Rank(v);
}
}  // namespace tolvanis

namespace tolvanis::testing {

// Card size the tests lay the table out for, in millimetres.
inline constexpr double TestCardWidth = 18.8;
inline constexpr double TestCardHeight = 25.4;

// A card value as positions write it: a number card by its number, the others by name.
struct AnyValue {
    AnyValue(int number) : Value{number} {}
    AnyValue(ValueCode value) : Value(value) {}
    ValueCode Value;
};

// The `copy`-th card (from 0) of a colour and value in the card table as built at start-up.
inline int CardOf(ColorCode color, AnyValue value, int copy = 0) {
    // The card table is fixed; build it once on a throw-away engine.
    static const GameState table = [] {
        FakeServices sv;
        Engine e(sv);
        e.BuildCardTable();
        return e.State;
    }();
    for (int card = 1; card <= DeckSize; ++card) {
        if (table.CardColor[card] == color && table.CardValue[card] == value.Value && copy-- == 0) {
            return card;
        }
    }
    ADD_FAILURE() << "no such card: colour " << Index(color) << " value " << Rank(value.Value);
    return -1;
}

inline int Red(AnyValue value, int copy = 0) {
    return CardOf(ColorCode::Red, value, copy);
}
inline int Green(AnyValue value, int copy = 0) {
    return CardOf(ColorCode::Green, value, copy);
}
inline int Blue(AnyValue value, int copy = 0) {
    return CardOf(ColorCode::Blue, value, copy);
}
inline int Yellow(AnyValue value, int copy = 0) {
    return CardOf(ColorCode::Yellow, value, copy);
}
inline int Plus4(int copy = 0) {
    return CardOf(ColorCode::Any, ValueCode::Plus4, copy);
}
inline int ColorChange(int copy = 0) {
    return CardOf(ColorCode::Any, ValueCode::ColorChange, copy);
}

// Every card in exactly one place (see Invariants.h), and the table card among the pile's.
inline ::testing::AssertionResult CardsAccountedFor(const Engine& e) {
    const std::string fault = CheckInvariants(e);
    if (!fault.empty()) return ::testing::AssertionFailure() << fault;
    if (e.State.CardOwner[e.State.TableCard] != 0) {
        return ::testing::AssertionFailure()
               << "table card " << e.State.TableCard << " left the pile";
    }
    return ::testing::AssertionSuccess();
}

// Counts the times the engine hands the turn to the computer, playing nothing itself.
class CountingAutoPlayer : public AutoPlayer {
  public:
    void RunAutoTurns() override { ++Runs; }
    int Runs = 0;
};

class EngineFixture : public ::testing::Test {
  protected:
    EngineFixture() {
        eng.Load(TestCardWidth, TestCardHeight);
        ForgetRecords();
    }

    FakeServices sv{1};
    Engine eng{sv};
    GameState& st = eng.State;
    Board& tb = eng.Table;

    // --- Setting up a position ------------------------------------------------------------
    // A position in one statement (see PositionBuilder.h); what the services recorded so far is
    // forgotten once it stands.
    PositionBuilder Position() {
        return PositionBuilder(eng, [this] { ForgetRecords(); });
    }
    // A fresh deal position with `numPlayers` seats and `tableCard` on the table, every hand
    // empty; the hands follow with Give.
    void NewPosition(int numPlayers, int tableCard) {
        Position().Players(numPlayers).Table(tableCard).Build();
    }
    static std::vector<int> SeatsInPlay(int numPlayers) {
        return PositionBuilder::SeatsInPlay(numPlayers);
    }
    // Gives `seat` these cards on top of what it holds (taken from the pile or another hand),
    // then puts the hand in order and lays it out as a move would.
    void Give(int seat, const std::vector<int>& cards) {
        for (int card : cards)
            ASSERT_NE(card, st.TableCard) << "the table card stays on the table";
        PositionBuilder::Give(eng, seat, cards);
    }
    void Lay(int card, ColorCode color = ColorCode::None) {
        PositionBuilder::LayOnTable(eng, card, color);
    }
    void SetSeat(int seat, bool computer, bool pause = false, bool hidden = false) {
        PositionBuilder::SetSeat(eng, seat, computer, pause, hidden);
    }
    void SetTurn(int seat) { PositionBuilder::SetTurn(eng, seat); }

    // --- Acting through the handlers ---------------------------------------------------------
    void Click(int card, int button = ButtonLeft, int shift = 0, double x = 1, double y = 1) {
        eng.OnCardMouseUp(card, button, shift, x, y);
    }
    void ClickPile() { Click(0); }
    void ClickLabel(int seat) { eng.OnMessageClick(seat); }

    // Tells the test double which colour lies under (x, y) of each colour picker: the four
    // quarters of the card, as the wild pictures draw them.
    void PaintPickers() {
        for (int picker = 0; picker < 2; ++picker) {
            sv.PickerColors[picker][{4, 4}] = RgbOf(128, 0, 0);
            sv.PickerColors[picker][{14, 4}] = RgbOf(0, 0, 128);
            sv.PickerColors[picker][{4, 20}] = RgbOf(128, 128, 0);
            sv.PickerColors[picker][{14, 20}] = RgbOf(0, 128, 0);
        }
    }
    // A point of each colour area, as PaintPickers lays them out.
    static std::pair<double, double> PointOf(ColorCode color) {
        switch (color) {
            case ColorCode::Red:
                return {4, 4};
            case ColorCode::Blue:
                return {14, 4};
            case ColorCode::Yellow:
                return {4, 20};
            default:
                return {14, 20};
        }
    }
    void PickColor(ColorCode color) {
        const auto [x, y] = PointOf(color);
        Click(st.TableCard, ButtonLeft, 0, x, y);
    }

    // --- Reading what happened -------------------------------------------------------------
    void ForgetRecords() {
        sv.Log.clear();
        sv.LogHistory.clear();
        sv.Sounds.clear();
        sv.Messages.clear();
    }
    // Log lines in the order they were written.
    std::vector<QString> LogLines() const {
        std::vector<QString> lines;
        for (const LogLine& line : sv.LogHistory)
            lines.push_back(line.Text);
        return lines;
    }
    int SoundCount(const char* name) const {
        int n = 0;
        for (const QString& s : sv.Sounds)
            n += s == QLatin1String(name);
        return n;
    }
    QString Caption(int seat) const { return tb.Message[seat].Caption; }
    std::vector<int> HandOf(int seat) const {
        return {st.Hand[seat].begin() + 1,
                st.Hand[seat].begin() + 1 + std::max(0, st.HandCount[seat])};
    }
};

}  // namespace tolvanis::testing
