// The game's state record: the fixed card table, the seats and their hands, the pile, the turn
// state, the flags and the settings. One record lives as long as the table window; every rule
// reads and writes it directly and passes results back through it (PickedCard, FollowingSeat,
// NextSeat) rather than as return values.
//
// Seat 0 is the pile (draw pile and table card in one list), seats 1..4 the players: 1 top,
// 2 right, 3 bottom, 4 left. A seat not in the deal has HandCount -1.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

namespace tolvanis {

inline constexpr int DeckSize = 108;
inline constexpr int HandSize = 7;
inline constexpr int NumBacks = 7;

// A card's colour as the card table stores it. Any is the colour of the wild cards; None stands
// where there is no colour (an empty slot, a log line without one).
enum class ColorCode : int { None = 0, Red = 1, Green = 2, Blue = 3, Yellow = 4, Any = 5 };

// The four colours a card can be played in and a wild card can name, in their order.
inline constexpr std::array<ColorCode, 4> PlayColors{ColorCode::Red, ColorCode::Green,
                                                     ColorCode::Blue, ColorCode::Yellow};

// The colour's number: the index of per-colour arrays, and what logs and traces print.
constexpr int Index(ColorCode c) {
    return static_cast<int>(c);
}
constexpr bool IsPlayColor(ColorCode c) {
    return c >= ColorCode::Red && c <= ColorCode::Yellow;
}

// A card's value: the number cards as ValueCode{0}..ValueCode{9}, the action and wild cards
// below them, the colour markers far above.
enum class ValueCode : int {
    Reverse = -6,
    ColorChange = -5,
    Plus4 = -4,
    Skip = -3,
    Plus2 = -2,
    Marker = 99,  // colour markers, never dealt
};

// The value's number. The computer ranks cards by it (every number card above every action card,
// the +2 above the skip above the reverse); logs and traces print it.
constexpr int Rank(ValueCode v) {
    return static_cast<int>(v);
}
constexpr bool IsNumberCard(ValueCode v) {
    return Rank(v) >= 0 && Rank(v) <= 9;
}
// The attack card that leaves the next seat owing `owed` cards (+2 for 2, +4 for 4); only a card
// of the same value answers it.
constexpr ValueCode AttackOwing(int owed) {
    return ValueCode{-owed};
}

inline constexpr int TargetScore = 500;
inline constexpr int LayoutScale = 75;  // design unit: 1/75 millimetre
inline constexpr int DragScale = 57;    // twips per millimetre, rounded
inline constexpr int LiftStep = 4;      // millimetres a side seat's card is lifted
inline constexpr int LiftStepSide = 4;  // millimetres a top or bottom seat's card is lifted

inline constexpr int CardSlots = 126;  // picture and card numbers 0..125
inline constexpr int SeatSlots = 5;    // 0 = pile, 1..4 players
inline constexpr int FirstBackImage = 110;
inline constexpr int MarkerImageBase = 119;  // marker of colour c is image c + 119
// The picture, and card number, of the marker that shows a named colour on the table card.
constexpr int MarkerImage(ColorCode c) {
    return MarkerImageBase + Index(c);
}
inline constexpr int LastMarkerImage = MarkerImage(ColorCode::Yellow);
// The pictures the colour pickers hold: the last +4 and the last card, a colour change.
inline constexpr int PlusFourPicture = 88;
inline constexpr int ColorChangePicture = DeckSize;
inline constexpr int MinValue = -6;
inline constexpr int MaxValue = 10;

// Where the pile (entry 0) and the hands of seats 1..4 lie when a run starts, in millimetres.
inline constexpr std::array<int, SeatSlots> StartHandLeft{77, 53, 133, 53, 3};
inline constexpr std::array<int, SeatSlots> StartHandTop{47, 5, 40, 87, 40};
// The computer's pace when a run starts: the Moves window's slider at 4500 of 5000.
inline constexpr int StartDelayFactor = 35;
inline constexpr std::int32_t StartDelayUnits = 500;

// OptionsOpen while no seat's option box is open.
inline constexpr int OptionsClosed = 0;

// The order in which the turn passes: 1, 2, 3, 4, 1, ... or 4, 3, 2, 1, 4, ...
enum class TurnOrder : std::uint8_t { Forward, Backward };

// What a seat is set to: played by the computer (Auto) or a person, whether the computer waits
// for a click before each move (Pause), and whether the hand lies covered.
struct SeatSettings {
    bool Auto = false;
    bool Pause = false;
    bool Hidden = false;
    bool operator==(const SeatSettings&) const = default;
};

// Which seat starts a deal after the first of a run: one drawn at random, or the first seat in
// play. The numbers are what settings files store.
enum class StartChoice : int { RandomSeat = -1, FirstSeat = 1 };

// How the computer seats choose their cards: by the fixed rule list, or by playing ahead.
enum class Strength : std::uint8_t { Standard, Strong };

struct GameState {
    // The card table, indexed by card number 0..125 (1..108 playing cards, 120..123 markers).
    std::array<ColorCode, CardSlots> CardColor{};
    std::array<ValueCode, CardSlots> CardValue{};
    int LastImageIndex = LastMarkerImage;

    // Seats and hands. Hand[s][1..HandCount[s]] are in use; position 0 is never used.
    std::array<std::array<int, CardSlots>, SeatSlots> Hand{};
    std::array<int, SeatSlots> HandCount{};
    std::array<int, CardSlots> CardOwner{};
    std::array<int, SeatSlots> PendingDraw{};
    std::array<SeatSettings, SeatSlots> Seats{};  // indexed by seat 1..4
    std::array<std::array<int, 7>, SeatSlots> CountByColor{};
    std::array<std::array<int, MaxValue - MinValue + 1>, SeatSlots> CountByValueStore{};
    std::array<int, CardSlots> ShuffleOrder{};
    // Cards played in this deal. Every seat has seen them, and since the pile is never
    // reshuffled, every seat also sees where they go next: to the end of the pile and from its
    // front into the hand that takes them. The computer's look-ahead trusts only these, its own
    // hand and the counts.
    std::array<bool, CardSlots> CardSeen{};
    // What the seats showed they lack. Taking one card without answering an attack is allowed
    // only with nothing of the colour to follow or of the table's value in hand (wild cards
    // aside), and everybody sees it: the look-ahead deals its made-up hands to fit. A seat told
    // it has nothing to play was found to hold no wild card either, and a seat that follows the
    // rule list shows with every card it plays which cards the list would have preferred. The
    // latest few per seat, each with the cards the seat held then and had played by then.
    using CardSet = std::bitset<DeckSize + 1>;  // by card number
    struct Lack {
        CardSet Without;  // the seat held none of these
        int Held = 0;
        int Played = 0;
    };
    static constexpr int LacksKept = 8;
    std::array<std::array<Lack, LacksKept>, SeatSlots> Lacks{};
    std::array<int, SeatSlots> LacksNoted{};   // this deal's, the latest at LacksNoted % LacksKept
    std::array<int, SeatSlots> CardsPlayed{};  // cards each seat played in this deal
    // The latest cards each seat played, the k-th of the deal at (k - 1) % PlaysKept, and how
    // many it had played when it last took cards: what it held at any time since is what it holds
    // now and what it played after.
    static constexpr int PlaysKept = 16;
    std::array<std::array<int, PlaysKept>, SeatSlots> Plays{};
    std::array<int, SeatSlots> PlayedAtTake{};
    // The latest cards the rule list chose for each seat, with what the table showed then: a
    // seat known to follow the list held a hand on which the list chooses them again.
    struct ListChoice {
        int Card = 0;
        int Owed = 0;
        ValueCode TableValue = ValueCode::Marker;
        ColorCode TableColor = ColorCode::None;
        ColorCode Named = ColorCode::None;  // the colour the list named after a wild card
        TurnOrder Direction = TurnOrder::Forward;
        std::array<int, SeatSlots> HandCount{};
        std::array<int, SeatSlots> Played{};  // CardsPlayed of every seat
    };
    static constexpr int ChoicesKept = 4;
    std::array<std::array<ListChoice, ChoicesKept>, SeatSlots> ListChoices{};
    std::array<int, SeatSlots> ChoicesNoted{};  // this deal's, the latest at ChoicesNoted - 1

    // Turn state.
    int NumPlayers = 4;
    int CurrentSeat = -1;
    int NextSeat = 0;
    int FollowingSeat = 0;
    TurnOrder Direction = TurnOrder::Forward;
    int TableCard = 0;
    ColorCode TableColor = ColorCode::Red;
    int PlayedCard = 0;
    int PickedCard = -1;
    // While a person's wild card waits for its colour: the card's value negated (4 after a +4,
    // 5 after a colour change); 0 otherwise.
    int ColorWait = 0;

    // Flags and settings.
    bool DealOver = false;
    bool BoardWait = false;  // the deal is over: only a click on the table acts, and redeals
    bool GameOver = false;
    bool AutoBusy = false;  // the computer is playing: clicks on the table do nothing
    StartChoice StartMode = StartChoice::RandomSeat;
    bool SoundOn = true;
    int OptionsOpen = OptionsClosed;  // the seat whose option box is open
    // "Computer Strength" of the Options menu: every computer seat plays at it.
    Strength ComputerStrength = Strength::Standard;

    // Scores of seats 1..4 at index seat - 1; shown in the score table of the Moves window.
    std::array<int, 4> TotPoints{};
    std::array<int, 4> TotGames{};

    // Table geometry in millimetres (steps in 1/75 millimetre) and the hover lift.
    std::array<int, SeatSlots> HandLeft = StartHandLeft;
    std::array<int, SeatSlots> HandTop = StartHandTop;
    std::array<int, SeatSlots> HandStepX{};
    std::array<int, SeatSlots> HandStepY{};
    int BackImageIndex = FirstBackImage;
    int HoverCard = 0;
    int HoverX = 0;
    int HoverY = 0;
    int LiftDX = 0;
    int LiftDY = 0;

    // Pace of the computer seats: event-processing passes per slider unit, and the slider units.
    int DelayFactor = StartDelayFactor;
    std::int32_t DelayUnits = StartDelayUnits;
    std::int32_t WaitCount = 0;

    // Bumped by every new deal, so that a paused driver notices its deal is gone.
    std::uint32_t DealSerial = 0;

    int& CountByValue(int seat, ValueCode value) {
        return CountByValueStore[seat][Rank(value) - MinValue];
    }
    int CountByValue(int seat, ValueCode value) const {
        return CountByValueStore[seat][Rank(value) - MinValue];
    }

    bool IsAuto(int seat) const { return Seats[seat].Auto; }
    bool Pauses(int seat) const { return Seats[seat].Pause; }
    bool IsHidden(int seat) const { return Seats[seat].Hidden; }

    // The seat, about to take one card that answers no attack, lacks the table's colour and value.
    void NoteLack(int seat) {
        const ValueCode value = CardValue[TableCard];
        const bool wild = PendingDraw[seat] == 1;
        NoteLack(seat, CardsWhere([&](ColorCode color, ValueCode v) {
                     return color == TableColor || v == value || (wild && color == ColorCode::Any);
                 }),
                 HandCount[seat], CardsPlayed[seat]);
    }
    void NoteLack(int seat, const CardSet& without, int held, int played) {
        Lacks[seat][LacksNoted[seat]++ % LacksKept] = {without, held, played};
    }
    // The playing cards whose colour and value pass `test`.
    template <class Test>
    CardSet CardsWhere(Test test) const {
        CardSet out;
        for (int card = 1; card <= DeckSize; ++card)
            out[std::size_t(card)] = test(CardColor[card], CardValue[card]);
        return out;
    }
    void ForgetLacks() {
        LacksNoted.fill(0);
        CardsPlayed.fill(0);
        PlayedAtTake.fill(0);
        ChoicesNoted.fill(0);
    }
    void NotePlay(int seat, int card) { Plays[seat][CardsPlayed[seat]++ % PlaysKept] = card; }
    void NoteTake(int seat) { PlayedAtTake[seat] = CardsPlayed[seat]; }

    // Recomputes CountByColor and CountByValue of one seat from its hand.
    void RecountHand(int seat) {
        CountByColor[seat].fill(0);
        CountByValueStore[seat].fill(0);
        for (int i = 1; i <= HandCount[seat]; ++i) {
            const int card = Hand[seat][i];
            ++CountByColor[seat][Index(CardColor[card])];
            ++CountByValue(seat, CardValue[card]);
        }
    }

    // Puts a seat's hand in hand order: number cards by colour and card number, then the action
    // cards by colour, then the wild cards. The computer's choice takes the first suitable card
    // in this order.
    void PutInHandOrder(int seat);
    // The same for a hand in order but for its last `taken` cards, just taken: only those move.
    void PutTakenInHandOrder(int seat, int taken);

    // A reverse card: the turn passes the other way round from now on.
    void ReverseDirection() {
        Direction = Direction == TurnOrder::Forward ? TurnOrder::Backward : TurnOrder::Forward;
    }

    // The next seat in play after CurrentSeat in the current Direction, into FollowingSeat.
    void FindFollowingSeat() { FollowingSeat = SeatAfter(CurrentSeat); }

    // The seat in play that follows `seat` in the current direction; seat 0 is never a result.
    int SeatAfter(int seat) const {
        int x = seat;
        for (int guard = 0; guard < 8; ++guard) {
            if (Direction == TurnOrder::Forward) {
                x = (x >= 4 || x < 1) ? 1 : x + 1;
            } else {
                x = x - 1 <= 0 ? 4 : x - 1;
            }
            if (HandCount[x] > 0) return x;
        }
        return x;  // nobody holds cards: only reachable after a deal has ended
    }
};

}  // namespace tolvanis
