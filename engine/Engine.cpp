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

namespace {

// Small caches of texts that moves rewrite all the time; built on first use, then shared.
constexpr int CachedNumbers = 256;

struct CaptionEntry {
    const char* Latin1 = nullptr;  // the constant the caption was made from, when it was one
    QString Text;
    QString Caption;
};

std::array<std::vector<CaptionEntry>, SeatSlots>& CaptionCache() {
    static std::array<std::vector<CaptionEntry>, SeatSlots> cache;
    return cache;
}

QString BuildSeatCaption(int seat, const QString& text) {
    return QLatin1Char('p') + QString::number(seat) + QStringLiteral(": ") + text;
}

}  // namespace

QString Engine::Str(int n) {
    static std::array<QString, CachedNumbers> cache;
    auto build = [n] { return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n); };
    if (n < 0 || n >= CachedNumbers) return build();
    QString& cached = cache[n];
    if (cached.isNull()) cached = build();
    return cached;
}

QString Engine::MoveText(int value) {
    return TablePresenter::MoveText(value);
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

QString Engine::SeatCaption(int seat, const QString& text) {
    if (seat < 0 || seat >= SeatSlots) return BuildSeatCaption(seat, text);
    auto& entries = CaptionCache()[seat];
    for (const CaptionEntry& e : entries) {
        if (e.Text == text) return e.Caption;
    }
    if (entries.size() >= 64) return BuildSeatCaption(seat, text);
    entries.push_back(CaptionEntry{nullptr, text, BuildSeatCaption(seat, text)});
    return entries.back().Caption;
}

QString Engine::SeatCaption(int seat, QLatin1String text) {
    if (seat < 0 || seat >= SeatSlots) return BuildSeatCaption(seat, QString(text));
    auto& entries = CaptionCache()[seat];
    // Most captions come from the same few constants: their address finds them at once.
    for (const CaptionEntry& e : entries) {
        if (e.Latin1 == text.data() && e.Text.size() == text.size()) return e.Caption;
    }
    const QString caption = SeatCaption(seat, QString(text));
    if (entries.size() < 64) entries.push_back(CaptionEntry{text.data(), QString(text), caption});
    return caption;
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
