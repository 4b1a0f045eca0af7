// Shared ground for the engine's scenario tests: an Engine on the seeded FakeServices, helpers
// that set up an exact position (hands, the card on the table and the colour to follow, seat
// modes, whose turn it is) and act through the handlers, and the card-conservation check that
// every move must pass.
#pragma once

#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "Engine.h"
#include "FakeServices.h"
#include "Invariants.h"
#include "Texts.h"

namespace tolvanis::testing {

// Card size the tests lay the table out for, in millimetres.
inline constexpr double TestCardWidth = 18.8;
inline constexpr double TestCardHeight = 25.4;

// The `copy`-th card (from 0) of a colour and value in the card table as built at start-up.
inline int CardOf(int color, int value, int copy = 0) {
    // The card table is fixed; build it once on a throw-away engine.
    static const GameState table = [] {
        FakeServices sv;
        Engine e(sv);
        e.BuildCardTable();
        return e.State;
    }();
    for (int card = 1; card <= DeckSize; ++card) {
        if (table.CardColor[card] == color && table.CardValue[card] == value && copy-- == 0) {
            return card;
        }
    }
    ADD_FAILURE() << "no such card: colour " << color << " value " << value;
    return -1;
}

inline int Red(int value, int copy = 0) {
    return CardOf(ColorRed, value, copy);
}
inline int Green(int value, int copy = 0) {
    return CardOf(ColorGreen, value, copy);
}
inline int Blue(int value, int copy = 0) {
    return CardOf(ColorBlue, value, copy);
}
inline int Yellow(int value, int copy = 0) {
    return CardOf(ColorYellow, value, copy);
}
inline int Plus4(int copy = 0) {
    return CardOf(ColorAny, ValuePlus4, copy);
}
inline int ColorChange(int copy = 0) {
    return CardOf(ColorAny, ValueColorChange, copy);
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
    // A fresh deal position: the card table as built, every card in the pile in card-number
    // order with `tableCard` at its front as the card on the table, the seats of `numPlayers`
    // in play with empty hands, every seat human and face up, nothing owed or awaited, the
    // lowest seat in play to move. Records of the services are cleared.
    void NewPosition(int numPlayers, int tableCard) {
        eng.BuildCardTable();
        tb.CardImage[st.BackImageIndex].Picture = tb.CardImage[0].Picture;  // this deal's back
        st.NumPlayers = numPlayers;
        for (int seat = 1; seat <= 4; ++seat) {
            for (int& slot : st.Hand[seat])
                slot = -1;
            SetSeat(seat, false);
        }
        st.HandCount = {0, -1, -1, -1, -1};
        for (int seat : SeatsInPlay(numPlayers))
            st.HandCount[seat] = 0;

        for (int& slot : st.Hand[0])
            slot = -1;
        int pos = 0;
        st.Hand[0][++pos] = tableCard;
        for (int card = 1; card <= DeckSize; ++card) {
            if (card != tableCard) st.Hand[0][++pos] = card;
        }
        st.HandCount[0] = DeckSize;
        for (int card = 1; card <= DeckSize; ++card) {
            st.CardOwner[card] = 0;
            tb.CardImage[card].Visible = false;
        }
        st.TableCard = tableCard;
        st.TableColor = st.CardColor[tableCard];
        tb.CardImage[tableCard].Left = st.HandLeft[0];
        tb.CardImage[tableCard].Top = st.HandTop[0];
        tb.CardImage[tableCard].Visible = true;

        st.PendingDraw.fill(0);
        st.ColorWait = 0;
        st.Direction = FlagOff;
        st.DealOver = st.BoardWait = st.GameOver = st.AutoBusy = FlagOff;
        st.OptionsOpen = FlagOff;
        st.HoverCard = -1;
        st.LiftDX = st.LiftDY = 0;
        tb.GameStartClick.Visible = false;
        for (LabelItem& label : tb.LastCardLabel)
            label.Visible = false;
        for (int seat = 1; seat <= 4; ++seat)
            st.RecountHand(seat);
        eng.SetTotalInDeck();
        SetTurn(SeatsInPlay(numPlayers).front());
        ForgetRecords();
    }

    static std::vector<int> SeatsInPlay(int numPlayers) {
        if (numPlayers == 2) return {1, 3};
        if (numPlayers == 3) return {2, 3, 4};
        return {1, 2, 3, 4};
    }

    // Gives `seat` these cards on top of what it holds (taken from the pile or another hand),
    // then puts the hand in order and lays it out as a move would.
    void Give(int seat, const std::vector<int>& cards) {
        for (int card : cards) {
            ASSERT_NE(card, st.TableCard) << "the table card stays on the table";
            const int from = st.CardOwner[card];
            auto& list = st.Hand[from];
            int to = 1;
            for (int i = 1; i <= st.HandCount[from]; ++i) {
                if (list[i] != card) list[to++] = list[i];
            }
            list[to] = -1;
            st.HandCount[from] -= 1;
            st.Hand[seat][++st.HandCount[seat]] = card;
            st.CardOwner[card] = seat;
            st.RecountHand(from);
        }
        eng.ComputeHandSpacing();
        for (int s = 1; s <= 4; ++s) {
            if (st.HandCount[s] >= 1) eng.ArrangeHand(s);
        }
        eng.SetTotalInDeck();
    }

    // The card on the table takes the colour, value and picture of `card`, as if it had been
    // played on it; the colour to follow is `color`, or the card's own colour.
    void Lay(int card, int color = 0) {
        st.CardColor[st.TableCard] = st.CardColor[card];
        st.CardValue[st.TableCard] = st.CardValue[card];
        tb.CardImage[st.TableCard].Picture = tb.CardImage[card].Picture;
        st.TableColor = color != 0 ? color : st.CardColor[card];
    }

    void SetSeat(int seat, bool computer, bool pause = false, bool hidden = false) {
        st.SeatMode[seat] = computer ? FlagOn : FlagOff;
        st.SeatMode[seat + PauseOffset] = pause ? FlagOn : FlagOff;
        st.SeatMode[seat + HideOffset] = hidden ? FlagOn : FlagOff;
    }

    // Makes `seat` the seat to move, with the labels a passed turn leaves.
    void SetTurn(int seat) {
        st.CurrentSeat = seat;
        for (int s = 1; s <= 4; ++s)
            eng.SetMessage(s, eng.RestingCaption(s), White, Black);
        eng.SetMessage(seat, Engine::SeatCaption(seat, QLatin1String(MsgYourTurn)), Black, White);
    }

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
    static std::pair<double, double> PointOf(int color) {
        switch (color) {
            case ColorRed:
                return {4, 4};
            case ColorBlue:
                return {14, 4};
            case ColorYellow:
                return {4, 20};
            default:
                return {14, 20};
        }
    }
    void PickColor(int color) {
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
