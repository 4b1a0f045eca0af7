#include "StatusLine.h"

#include <QStringList>

#include "GameState.h"

namespace tolvanis {

namespace {

QString SeatName(int seat) {
    return QLatin1Char('p') + QString::number(seat);
}

QString ColourWord(ColorCode color) {
    static const char* const words[] = {"", "red", "green", "blue", "yellow"};
    return IsPlayColor(color) ? QLatin1String(words[Index(color)]) : QString();
}

// The seat that emptied its hand, 0 when none did.
int DealWinner(const GameState& s) {
    for (int seat = 1; seat <= 4; ++seat) {
        if (s.HandCount[seat] == 0) return seat;
    }
    return 0;
}

QString PerSeat(const char* title, const GameState& s, int (*value)(const GameState&, int)) {
    QStringList parts;
    for (int seat = 1; seat <= 4; ++seat) {
        if (s.HandCount[seat] < 0) continue;  // not in the deal
        parts << SeatName(seat) + QLatin1Char(' ') + QString::number(value(s, seat));
    }
    return QLatin1String(title) + parts.join(QLatin1String("  "));
}

}  // namespace

QString TurnText(const GameState& s) {
    if (s.BoardWait) {
        const int winner = DealWinner(s);
        const QString won =
            winner > 0 ? SeatName(winner) + QLatin1String(" won the deal: ") : QString();
        return won + (s.GameOver ? QLatin1String("game over, click the table to start a new game")
                                 : QLatin1String("click the table to deal again"));
    }
    const int seat = s.CurrentSeat;
    if (seat < 1 || seat > 4 || s.HandCount[seat] < 0) return {};
    const QString name = SeatName(seat);
    if (s.IsAuto(seat)) {
        const QString who = name + (s.Pauses(seat) ? QLatin1String(" (Auto/Pause)")
                                                   : QLatin1String(" (Auto/NoPause)"));
        if (s.AutoBusy) return who + QLatin1String(" is playing");
        return who + QLatin1String(": click the table to let it play");
    }
    if (s.ColorWait >= 1) return name + QLatin1String(": choose a colour on the table card");
    const int owed = s.PendingDraw[seat];
    if (owed == 1) return name + QLatin1String(": take 1 card");
    if (owed > 1) return name + QStringLiteral(": take %1 cards").arg(owed);
    return name + QLatin1String(": play a card");
}

StatusTexts StatusOf(const GameState& s) {
    StatusTexts out;
    out.Turn = TurnText(s);
    if (s.CurrentSeat < 1) return out;  // before the first deal
    out.Cards =
        PerSeat("cards: ", s, [](const GameState& g, int seat) { return g.HandCount[seat]; });
    out.Points = PerSeat("points: ", s, [](const GameState& g, int seat) {
        return g.TotPoints[static_cast<std::size_t>(seat - 1)];
    });
    const QString colour = ColourWord(s.TableColor);
    if (!colour.isEmpty()) {
        // A wild card on the table shows no colour of its own: the one named is what counts.
        const bool named = s.CardColor[s.TableCard] == ColorCode::Any;
        out.Colour = QLatin1String("colour to follow: ") + colour +
                     (named ? QLatin1String(" (named)") : QLatin1String(""));
    }
    return out;
}

}  // namespace tolvanis
