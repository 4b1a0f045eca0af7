// A test position in one statement: who plays, the card on the table, the hands, the seat
// settings, whose turn it is and what is owed, e.g.
//
//   Position(eng).Players(4).Table(Red(5)).Lay(Plus4(), ColorCode::Blue)
//       .Hand(2, {Green(3), Red(ValueCode::Plus2)}).Hand(3, {Blue(2)})
//       .Computers({2, 4}).Turn(2).Owes(2, 4).Build();
//
// Build() starts from a fresh position: the card table as built, every card in the pile in
// card-number order with the table card at its front, the seats in play with empty hands, every
// seat human and face up, nothing owed or awaited, the turn order forward. Then it deals the
// hands as given (from the pile, hands laid out as a move leaves them), applies the settings and
// gives the turn with the labels a passed turn leaves (the lowest seat in play unless told).
#pragma once

#include <QLatin1String>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "Engine.h"
#include "Texts.h"

namespace tolvanis::testing {

class PositionBuilder {
  public:
    // `built` runs once the position stands (the fixture forgets what the services recorded).
    explicit PositionBuilder(Engine& engine, std::function<void()> built = {})
        : e_(engine), built_(std::move(built)) {}

    PositionBuilder& Players(int n) {
        players_ = n;
        return *this;
    }
    PositionBuilder& Table(int card) {
        tableCard_ = card;
        return *this;
    }
    // The card on the table takes the colour, value and picture of `card`, as if it had been
    // played on it; the colour to follow is `color`, or the card's own colour.
    PositionBuilder& Lay(int card, ColorCode color = ColorCode::None) {
        laid_ = {card, color};
        return *this;
    }
    PositionBuilder& Hand(int seat, std::vector<int> cards) {
        hands_.emplace_back(seat, std::move(cards));
        return *this;
    }
    PositionBuilder& Computer(int seat, bool pause = false, bool hidden = false) {
        seats_.push_back({seat, true, pause, hidden});
        return *this;
    }
    PositionBuilder& Computers(std::initializer_list<int> seats, bool pause = false) {
        for (int seat : seats)
            Computer(seat, pause);
        return *this;
    }
    PositionBuilder& Hidden(int seat) {
        seats_.push_back({seat, false, false, true});
        return *this;
    }
    PositionBuilder& Turn(int seat) {
        turn_ = seat;
        return *this;
    }
    PositionBuilder& Owes(int seat, int n) {
        owed_.emplace_back(seat, n);
        return *this;
    }
    PositionBuilder& Reversed() {
        reversed_ = true;
        return *this;
    }

    void Build();

    static std::vector<int> SeatsInPlay(int numPlayers) {
        if (numPlayers == 2) return {1, 3};
        if (numPlayers == 3) return {2, 3, 4};
        return {1, 2, 3, 4};
    }

    // --- Single steps, also for changing a built position --------------------------------
    // Gives `seat` these cards on top of what it holds (from the pile or another hand), then
    // puts the hands in order and lays them out as a move would.
    static void Give(Engine& e, int seat, const std::vector<int>& cards);
    static void SetSeat(Engine& e, int seat, bool computer, bool pause = false,
                        bool hidden = false) {
        GameState& st = e.State;
        st.Seats[seat].Auto = computer;
        st.Seats[seat].Pause = pause;
        st.Seats[seat].Hidden = hidden;
    }
    // Makes `seat` the seat to move, with the labels a passed turn leaves.
    static void SetTurn(Engine& e, int seat) {
        e.State.CurrentSeat = seat;
        for (int s = 1; s <= 4; ++s)
            e.SetMessage(s, e.RestingCaption(s), White, Black);
        e.SetMessage(seat, e.SeatCaption(seat, QLatin1String(MsgYourTurn)), Black, White);
    }
    static void LayOnTable(Engine& e, int card, ColorCode color) {
        GameState& st = e.State;
        st.CardColor[st.TableCard] = st.CardColor[card];
        st.CardValue[st.TableCard] = st.CardValue[card];
        e.Table.CardImage[st.TableCard].Picture = e.Table.CardImage[card].Picture;
        st.TableColor = color != ColorCode::None ? color : st.CardColor[card];
    }

  private:
    struct SeatSetting {
        int Seat;
        bool Computer;
        bool Pause;
        bool Hidden;
    };

    void Reset();

    Engine& e_;
    std::function<void()> built_;
    int players_ = 4;
    int tableCard_ = 0;
    std::pair<int, ColorCode> laid_{0, ColorCode::None};
    std::vector<std::pair<int, std::vector<int>>> hands_;
    std::vector<SeatSetting> seats_;
    std::vector<std::pair<int, int>> owed_;
    int turn_ = 0;
    bool reversed_ = false;
};

inline void PositionBuilder::Reset() {
    GameState& st = e_.State;
    Board& tb = e_.Table;
    e_.BuildCardTable();
    tb.CardImage[st.BackImageIndex].Picture = tb.CardImage[0].Picture;  // this deal's back
    st.NumPlayers = players_;
    for (int seat = 1; seat <= 4; ++seat) {
        for (int& slot : st.Hand[seat])
            slot = -1;
        SetSeat(e_, seat, false);
    }
    st.HandCount = {0, -1, -1, -1, -1};
    for (int seat : SeatsInPlay(players_))
        st.HandCount[seat] = 0;

    for (int& slot : st.Hand[0])
        slot = -1;
    int pos = 0;
    st.Hand[0][++pos] = tableCard_;
    for (int card = 1; card <= DeckSize; ++card) {
        if (card != tableCard_) st.Hand[0][++pos] = card;
    }
    st.HandCount[0] = DeckSize;
    for (int card = 1; card <= DeckSize; ++card) {
        st.CardOwner[card] = 0;
        tb.CardImage[card].Visible = false;
    }
    st.TableCard = tableCard_;
    st.TableColor = st.CardColor[tableCard_];
    tb.CardImage[tableCard_].Left = st.HandLeft[0];
    tb.CardImage[tableCard_].Top = st.HandTop[0];
    tb.CardImage[tableCard_].Visible = true;

    st.PendingDraw.fill(0);
    st.ColorWait = 0;
    st.Direction = TurnOrder::Forward;
    st.DealOver = st.BoardWait = st.GameOver = st.AutoBusy = false;
    st.OptionsOpen = OptionsClosed;
    st.HoverCard = -1;
    st.LiftDX = st.LiftDY = 0;
    tb.GameStartClick.Visible = false;
    for (LabelItem& label : tb.LastCardLabel)
        label.Visible = false;
    for (int seat = 1; seat <= 4; ++seat)
        st.RecountHand(seat);
    e_.SetTotalInDeck();
}

inline void PositionBuilder::Build() {
    Reset();
    for (const SeatSetting& s : seats_)
        SetSeat(e_, s.Seat, s.Computer, s.Pause, s.Hidden);
    for (const auto& [seat, cards] : hands_)
        Give(e_, seat, cards);
    if (laid_.first != 0) LayOnTable(e_, laid_.first, laid_.second);
    if (reversed_) e_.State.Direction = TurnOrder::Backward;
    SetTurn(e_, turn_ != 0 ? turn_ : SeatsInPlay(players_).front());
    for (const auto& [seat, n] : owed_)
        e_.State.PendingDraw[seat] = n;
    if (built_) built_();
}

inline void PositionBuilder::Give(Engine& e, int seat, const std::vector<int>& cards) {
    GameState& st = e.State;
    for (int card : cards) {
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
    e.ComputeHandSpacing();
    for (int s = 1; s <= 4; ++s) {
        if (st.HandCount[s] >= 1) e.ArrangeHand(s);
    }
    e.SetTotalInDeck();
}

}  // namespace tolvanis::testing
