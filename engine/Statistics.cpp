#include "Statistics.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

#include "GameState.h"
#include "Services.h"

namespace tolvanis {

namespace {

// JSON keeps numbers as doubles: anything past this is not a count this game could have made.
constexpr double MaxCount = 1e12;

QJsonObject TallyToJson(const Tally& t) {
    return QJsonObject{{QStringLiteral("dealsWon"), t.DealsWon},
                       {QStringLiteral("gamesWon"), t.GamesWon},
                       {QStringLiteral("bestDeal"), t.BestDeal},
                       {QStringLiteral("pointsWon"), static_cast<double>(t.PointsWon)}};
}

// A whole non-negative number at `key`, or nothing.
std::optional<double> CountAt(const QJsonObject& o, const char* key, double max) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble()) return std::nullopt;
    const double d = v.toDouble();
    if (d < 0 || d > max || d != static_cast<double>(static_cast<std::int64_t>(d)))
        return std::nullopt;
    return d;
}

std::optional<Tally> TallyFromJson(const QJsonValue& value) {
    if (!value.isObject()) return std::nullopt;
    const QJsonObject o = value.toObject();
    const auto deals = CountAt(o, "dealsWon", 2e9);
    const auto games = CountAt(o, "gamesWon", 2e9);
    const auto best = CountAt(o, "bestDeal", 2e9);
    const auto points = CountAt(o, "pointsWon", MaxCount);
    if (!deals || !games || !best || !points) return std::nullopt;
    Tally t{static_cast<int>(*deals), static_cast<int>(*games), static_cast<int>(*best),
            static_cast<std::int64_t>(*points)};
    // A best deal without a deal won, or more than all points won, was not written by the game.
    if (t.BestDeal > t.PointsWon || (t.DealsWon == 0 && t.PointsWon > 0)) return std::nullopt;
    return t;
}

}  // namespace

double Tally::AverageDeal() const {
    return DealsWon == 0 ? 0.0 : static_cast<double>(PointsWon) / DealsWon;
}

void Tally::AddDeal(int points) {
    ++DealsWon;
    PointsWon += points;
    BestDeal = std::max(BestDeal, points);
}

void Statistics::Record(const MoveEvent& e, const GameState& state) {
    if (e.Seat < 1 || e.Seat > 4) return;
    Tally& seat = Seats[static_cast<std::size_t>(e.Seat)];
    Tally& side = state.IsAuto(e.Seat) ? Computers : People;
    if (e.Kind == EventKind::DealScored) {
        ++DealsPlayed;
        seat.AddDeal(e.Count);
        side.AddDeal(e.Count);
    } else if (e.Kind == EventKind::GameWon) {
        ++seat.GamesWon;
        ++side.GamesWon;
    }
}

QByteArray Statistics::ToJson() const {
    QJsonArray seats;
    for (int s = 1; s <= 4; ++s)
        seats.append(TallyToJson(Seats[static_cast<std::size_t>(s)]));
    const QJsonObject root{{QStringLiteral("dealsPlayed"), DealsPlayed},
                           {QStringLiteral("seats"), seats},
                           {QStringLiteral("people"), TallyToJson(People)},
                           {QStringLiteral("computers"), TallyToJson(Computers)}};
    return QJsonDocument(root).toJson();
}

std::optional<Statistics> Statistics::FromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
    const QJsonObject root = doc.object();
    Statistics out;
    const auto played = CountAt(root, "dealsPlayed", 2e9);
    const QJsonArray seats = root.value(QLatin1String("seats")).toArray();
    if (!played || seats.size() != 4) return std::nullopt;
    out.DealsPlayed = static_cast<int>(*played);
    for (int s = 1; s <= 4; ++s) {
        const auto t = TallyFromJson(seats.at(s - 1));
        if (!t) return std::nullopt;
        out.Seats[static_cast<std::size_t>(s)] = *t;
    }
    const auto people = TallyFromJson(root.value(QLatin1String("people")));
    const auto computers = TallyFromJson(root.value(QLatin1String("computers")));
    if (!people || !computers) return std::nullopt;
    out.People = *people;
    out.Computers = *computers;
    if (out.People.DealsWon + out.Computers.DealsWon != out.DealsPlayed) return std::nullopt;
    return out;
}

bool ResetAfterAsking(Statistics& statistics, Services& services) {
    if (!services.Ask(QStringLiteral("Forget all statistics of every run so far?"))) return false;
    statistics = Statistics{};
    return true;
}

}  // namespace tolvanis
