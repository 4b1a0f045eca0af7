#include "CachedTexts.h"

namespace tolvanis {

QString CachedTexts::BuildNumber(int n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

QString CachedTexts::BuildSeatCaption(int seat, const QString& text) {
    return QLatin1Char('p') + QString::number(seat) + QStringLiteral(": ") + text;
}

QString CachedTexts::Number(int n) {
    if (n < 0 || n >= CachedNumbers) return BuildNumber(n);
    QString& cached = numbers_[n];
    if (cached.isNull()) cached = BuildNumber(n);
    return cached;
}

QString CachedTexts::SeatCaption(int seat, const QString& text) {
    if (seat < 0 || seat >= SeatSlots) return BuildSeatCaption(seat, text);
    auto& entries = captions_[seat];
    for (const CaptionEntry& e : entries) {
        if (e.Text == text) return e.Caption;
    }
    if (entries.size() >= CaptionsPerSeat) return BuildSeatCaption(seat, text);
    entries.push_back(CaptionEntry{nullptr, text, BuildSeatCaption(seat, text)});
    return entries.back().Caption;
}

QString CachedTexts::SeatCaption(int seat, QLatin1String text) {
    if (seat < 0 || seat >= SeatSlots) return BuildSeatCaption(seat, QString(text));
    auto& entries = captions_[seat];
    // Most captions come from the same few constants: their address finds them at once.
    for (const CaptionEntry& e : entries) {
        if (e.Latin1 == text.data() && e.Text.size() == text.size()) return e.Caption;
    }
    const QString caption = SeatCaption(seat, QString(text));
    if (entries.size() < CaptionsPerSeat)
        entries.push_back(CaptionEntry{text.data(), QString(text), caption});
    return caption;
}

}  // namespace tolvanis
