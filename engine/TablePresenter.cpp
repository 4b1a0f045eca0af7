#include "TablePresenter.h"

#include <array>

#include "Engine.h"
#include "Texts.h"

namespace tolvanis {

namespace {

// Action cards carry the negative values -2..-6; their log words by -value.
const std::array<QString, 7> ActionWords{QString(),
                                         QString(),
                                         QStringLiteral("<+2>"),
                                         QStringLiteral("<skip-next-turn>"),
                                         QStringLiteral("<+4>"),
                                         QStringLiteral("<color-change>"),
                                         QStringLiteral("<reverse-direction>")};

QLatin1String OwedCaption(int n) {
    if (n == 4) return QLatin1String(MsgTake4);
    if (n == 2) return QLatin1String(MsgTake2);
    return QLatin1String(MsgTake1);
}

}  // namespace

QString TablePresenter::MoveText(ValueCode value) const {
    const int rank = Rank(value);
    if (rank <= -2 && rank >= -6) return ActionWords[-rank];
    return engine_.Str(rank);
}

void TablePresenter::Show(const MoveEvent& e) {
    Engine& g = engine_;
    const GameState& s = g.State;
    Board& t = g.Table;
    switch (e.Kind) {
        case EventKind::CardPlayed: {
            const ValueCode value = s.CardValue[e.Card];
            const ColorCode color = s.CardColor[e.Card];
            if (e.By == Mover::Person) {
                g.LogMove(MoveText(value), e.Seat, color);
            } else if (g.Sv().LogWanted()) {
                g.LogMove(QStringLiteral("Auto: ") + MoveText(value), e.Seat, color);
            }
            break;
        }
        case EventKind::ColorToChoose:
            g.PlaySound(SndMenu);
            t.Message[e.Seat].Caption = engine_.SeatCaption(e.Seat, QLatin1String(MsgSelectColor));
            break;
        case EventKind::ColorNamed:
            // Only a colour change is replaced by the colour's marker at once; a +4 keeps its
            // picture until its cards are taken.
            if (s.CardValue[s.TableCard] == ValueCode::ColorChange)
                t.CardImage[s.TableCard].Picture = t.CardImage[MarkerImage(e.Color)].Picture;
            if (e.By == Mover::Person) {
                g.PlaySound(SndMup);
                g.LogMove(QStringLiteral("selected color"), e.Seat, e.Color);
            } else {
                g.LogMove(QStringLiteral("Auto: new color selected"), e.Seat, e.Color);
            }
            break;
        case EventKind::OwesCards:
            t.Message[e.Seat].Caption = engine_.SeatCaption(e.Seat, OwedCaption(e.Count));
            break;
        case EventKind::CardsTaken:
            ShowCardsTaken(e);
            break;
        case EventKind::MoveEnded:
            ShowMoveEnded(e.Seat, e.Count);
            break;
        case EventKind::TurnPassed:
            ShowTurnPassed(e.Seat);
            break;
        case EventKind::CardEffectDue:
        case EventKind::TurnDone:
            g.PlaySound(SndMenu);
            break;
        case EventKind::DealWon:
            ShowDealWon(e.Seat);
            break;
        case EventKind::DealScored:
            g.LogMove(QStringLiteral("receives total points =") + engine_.Str(e.Count), e.Seat);
            break;
        case EventKind::GameWon:
            g.LogMove(QStringLiteral("scored") + engine_.Str(e.Count) +
                          QStringLiteral(" game pionts, end of game"),
                      e.Seat);
            break;
        case EventKind::DealEnded:
            // Whoever empties their hand, person or computer, says so on their label.
            if (e.Seat > 0) g.SetMessage(e.Seat, QLatin1String(MsgFinished), Black, White);
            g.LogMove(QStringLiteral("CLICK ON BOARD TO CONTINUE"), -1);
            t.GameStartClick.Caption = QStringLiteral("click to redeal");
            t.GameStartClick.Visible = true;
            break;
    }
}

void TablePresenter::ShowCardsTaken(const MoveEvent& e) {
    Engine& g = engine_;
    const int n = e.Count;
    if (e.By == Mover::Computer) {
        if (g.Sv().LogWanted())
            g.LogMove(QStringLiteral("Auto: takes") + engine_.Str(n) +
                          (n == 1 ? QStringLiteral(" card") : QStringLiteral(" cards")),
                      e.Seat);
        return;
    }
    // A click on one's own label takes owed cards silently.
    if (!e.FromLabel) g.PlaySound(SndMenu);
    if (e.Owed) {
        // "cards" stays plural even for one card.
        g.LogMove(QStringLiteral("given") + engine_.Str(n) + QStringLiteral(" cards from the deck"),
                  e.Seat);
    } else {
        g.LogMove(QStringLiteral("decided to take one card from the deck"), e.Seat);
    }
}

void TablePresenter::ShowMoveEnded(int seat, int cardsLeft) {
    if (seat <= 0) return;
    Engine& g = engine_;
    LabelItem& lastCard = g.Table.LastCardLabel[seat - 1];
    const ItemRef ref{ItemKind::LastCardLabel, seat - 1};
    lastCard.Visible = false;
    g.Table.SendToBack(ref);
    // Shown for every seat that ends a move with one card; nobody has to call it.
    if (cardsLeft == 1) {
        lastCard.Visible = true;
        g.Table.BringToFront(ref);
        g.PlaySound(SndSave);
        g.LogMove(QStringLiteral("last card"), seat);
    }
}

void TablePresenter::ShowTurnPassed(int next) {
    Engine& g = engine_;
    const GameState& s = g.State;
    for (int seat = 1; seat <= 4; ++seat) {
        if (g.Table.Message[seat].Caption.startsWith(QLatin1Char('F'))) continue;
        g.SetMessage(seat, g.RestingCaption(seat), White, Black);
    }
    QString caption = engine_.SeatCaption(next, QLatin1String(MsgYourTurn));
    if (s.PendingDraw[next] == 4 || s.PendingDraw[next] == 2)
        caption = engine_.SeatCaption(next, OwedCaption(s.PendingDraw[next]));
    if (s.IsAuto(next)) {
        caption = s.Pauses(next) ? engine_.SeatCaption(next, QLatin1String(MsgClickToPlay))
                                 : g.RestingCaption(next);
    }
    g.SetMessage(next, caption, Black, White);
}

void TablePresenter::ShowDealWon(int winner) {
    Engine& g = engine_;
    for (LabelItem& label : g.Table.LastCardLabel)
        label.Visible = false;
    g.LogMove(QStringLiteral("FINSHED FIRST AND WON"), winner);
    g.Table.PlayerBack[winner].Visible = false;
    // Every losing hand is laid open, whatever its seat's setting, and the setting is kept.
    for (int seat = 1; seat <= 4; ++seat) {
        if (seat != winner) g.ShowHand(seat, true);
    }
}

}  // namespace tolvanis
