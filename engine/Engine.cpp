#include "Engine.h"

#include "CardChoice.h"
#include "Texts.h"

namespace tolvanis {

Engine::Engine(Services& services) : services_(services) {
    for (int s = 1; s <= 4; ++s)
        PlayerName[s] = QStringLiteral("player#") + Str(s);
    ColorName = {QString(),
                 QStringLiteral("RED"),
                 QStringLiteral("GREEN"),
                 QStringLiteral("BLUE"),
                 QStringLiteral("YELLOW"),
                 QStringLiteral("ANY")};
}

QString Engine::Str(int n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

QString Engine::MoveText(int value) {
    switch (value) {
        case ValueSkip:
            return QStringLiteral("<skip-next-turn>");
        case ValueReverse:
            return QStringLiteral("<reverse-direction>");
        case ValueColorChange:
            return QStringLiteral("<color-change>");
        case ValuePlus4:
            return QStringLiteral("<+4>");
        case ValuePlus2:
            return QStringLiteral("<+2>");
        default:
            return Str(value);
    }
}

Rgb Engine::LogColor(int color) {
    switch (color) {
        case ColorRed:
            return RgbOf(128, 0, 0);
        case ColorGreen:
            return RgbOf(0, 128, 0);
        case ColorBlue:
            return RgbOf(0, 0, 128);
        case ColorYellow:
            return RgbOf(128, 128, 0);
        default:
            return Black;
    }
}

void Engine::LogMove(const QString& text, int seat, int color) {
    // Nobody reads the log in a simulation run; skip building its lines there.
    if (!services_.LogWanted()) return;
    if (seat == -1) {
        services_.AddLogLine(text, Black);
        return;
    }
    // Seat numbers print without a blank, and seat 0 prints no digit at all.
    const QString prefix = seat == 0
                               ? QStringLiteral("p: ")
                               : QLatin1Char('p') + QString::number(seat) + QStringLiteral(": ");
    services_.AddLogLine(prefix + text, LogColor(color));
}

void Engine::PlaySound(const char* name) {
    if (State.SoundOn == FlagOn) services_.PlaySound(QString::fromLatin1(name));
}

QString Engine::SeatCaption(int seat, const QString& text) {
    return QLatin1Char('p') + QString::number(seat) + QStringLiteral(": ") + text;
}

QString Engine::RestingCaption(int seat) const {
    if (!State.IsAuto(seat)) return SeatCaption(seat, PlayerName[seat]);
    return SeatCaption(seat, QLatin1String(TxtAuto) + QLatin1Char('/') +
                                 QLatin1String(State.Pauses(seat) ? TxtPause : TxtNoPause));
}

void Engine::SetMessage(int seat, const QString& caption, Rgb back, Rgb fore) {
    LabelItem& label = Table.Message[seat];
    label.Caption = caption;
    label.BackColor = back;
    label.ForeColor = fore;
}

void Engine::SetTotalInDeck() {
    Table.TotalInDeck.Caption = Str(State.HandCount[0]);
}

void Engine::ChooseCard(int seat) {
    tolvanis::ChooseCard(State, seat);
}

void Engine::RunAutoTurns() {
    if (autoPlayer_) autoPlayer_->RunAutoTurns();
}

}  // namespace tolvanis
