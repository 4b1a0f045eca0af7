#include "Engine.h"

#include <utility>
#include <vector>

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

Rgb Engine::LogColor(ColorCode color) {
    switch (color) {
        case ColorCode::Red:
            return RgbOf(128, 0, 0);
        case ColorCode::Green:
            return RgbOf(0, 128, 0);
        case ColorCode::Blue:
            return RgbOf(0, 0, 128);
        case ColorCode::Yellow:
            return RgbOf(128, 128, 0);
        default:
            return Black;
    }
}

void Engine::LogMove(const QString& text, int seat, ColorCode color) {
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
    if (!State.SoundOn) return;
    for (const auto& [key, text] : soundNames_) {
        if (key == name) {
            services_.PlaySound(text);
            return;
        }
    }
    soundNames_.emplace_back(name, QString::fromLatin1(name));
    services_.PlaySound(soundNames_.back().second);
}

QString Engine::RestingCaption(int seat) const {
    if (!State.IsAuto(seat)) return SeatCaption(seat, PlayerName[seat]);
    return SeatCaption(
        seat, State.Pauses(seat) ? QLatin1String("Auto/Pause") : QLatin1String("Auto/NoPause"));
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
