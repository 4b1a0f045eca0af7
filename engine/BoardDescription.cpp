#include "BoardDescription.h"

#include <algorithm>

#include "Engine.h"

namespace tolvanis {

namespace {

// The pixel colours of the four areas of a wild card's picture, by colour 1..4.
constexpr std::array<Rgb, 5> AreaPixel{NoColor, RgbOf(128, 0, 0), RgbOf(0, 128, 0),
                                       RgbOf(0, 0, 128), RgbOf(128, 128, 0)};

// How finely a picture is searched, in millimetres: finer than a pixel at 100 % (0.26 mm), so
// that no area is stepped over.
constexpr double ScanStep = 0.25;

QString SeatWord(int seat) {
    return QStringLiteral("seat %1").arg(seat);
}

DescribedItem Place(DescribedItem item, const Board& t) {
    item.Left = t.LeftOf(item.Item);
    item.Top = t.TopOf(item.Item);
    item.Width = t.WidthOf(item.Item);
    item.Height = t.HeightOf(item.Item);
    return item;
}

}  // namespace

QString ColorWord(ColorCode color) {
    switch (color) {
        case ColorCode::Red:
            return QStringLiteral("red");
        case ColorCode::Green:
            return QStringLiteral("green");
        case ColorCode::Blue:
            return QStringLiteral("blue");
        case ColorCode::Yellow:
            return QStringLiteral("yellow");
        default:
            return {};
    }
}

QString CardName(const GameState& s, int card) {
    const ValueCode value = s.CardValue[card];
    if (value == ValueCode::Plus4) return QStringLiteral("wild +4");
    if (value == ValueCode::ColorChange) return QStringLiteral("wild color change");
    QString kind;
    switch (value) {
        case ValueCode::Skip:
            kind = QStringLiteral("skip");
            break;
        case ValueCode::Reverse:
            kind = QStringLiteral("reverse");
            break;
        case ValueCode::Plus2:
            kind = QStringLiteral("+2");
            break;
        default:
            kind = QString::number(Rank(value));
            break;
    }
    return ColorWord(s.CardColor[card]) + QLatin1Char(' ') + kind;
}

std::optional<ColorArea> ColorAreas::Find(ColorCode color) {
    const GameState& s = engine_.State;
    if (s.ColorWait < 1 || !IsPlayColor(color)) return std::nullopt;
    // Picker 1 holds the +4, picker 0 the colour change, as the click reads them.
    const int picker = s.ColorWait == -Rank(ValueCode::Plus4) ? 1 : 0;
    const Board& t = engine_.Table;
    const auto key =
        std::make_pair(picker, t.ColorPickers[static_cast<std::size_t>(picker)].Picture);
    auto known = found_.find(key);
    if (known == found_.end()) {
        std::array<std::vector<std::pair<double, double>>, 5> hits;
        for (double y = ScanStep / 2; y < t.CardHeight; y += ScanStep) {
            for (double x = ScanStep / 2; x < t.CardWidth; x += ScanStep) {
                const Rgb pixel = engine_.Sv().ColorAt(picker, x, y);
                for (ColorCode c : PlayColors) {
                    if (pixel == AreaPixel[static_cast<std::size_t>(Index(c))])
                        hits[static_cast<std::size_t>(Index(c))].emplace_back(x, y);
                }
            }
        }
        std::array<std::optional<ColorArea>, 5> areas;
        for (ColorCode c : PlayColors) {
            const auto& points = hits[static_cast<std::size_t>(Index(c))];
            if (points.empty()) continue;
            ColorArea area{0, 0, t.CardWidth, t.CardHeight, 0, 0};
            double cx = 0, cy = 0;
            for (const auto& [x, y] : points) {
                cx += x;
                cy += y;
                area.Left = std::min(area.Left, x - ScanStep / 2);
                area.Top = std::min(area.Top, y - ScanStep / 2);
                area.Right = std::max(area.Right, x + ScanStep / 2);
                area.Bottom = std::max(area.Bottom, y + ScanStep / 2);
            }
            cx /= static_cast<double>(points.size());
            cy /= static_cast<double>(points.size());
            // The point nearest the centre of mass lies well inside the area, whatever its
            // shape.
            auto distance = [cx, cy](const std::pair<double, double>& p) {
                return (p.first - cx) * (p.first - cx) + (p.second - cy) * (p.second - cy);
            };
            const auto inside = *std::min_element(
                points.begin(), points.end(),
                [&](const auto& a, const auto& b) { return distance(a) < distance(b); });
            area.X = inside.first;
            area.Y = inside.second;
            areas[static_cast<std::size_t>(Index(c))] = area;
        }
        known = found_.emplace(key, areas).first;
    }
    return known->second[static_cast<std::size_t>(Index(color))];
}

std::vector<DescribedItem> DescribeBoard(Engine& engine, ColorAreas& areas) {
    const GameState& s = engine.State;
    const Board& t = engine.Table;
    std::vector<DescribedItem> items;

    for (int seat = 1; seat <= 4; ++seat) {
        const LabelItem& label = t.Message[static_cast<std::size_t>(seat)];
        if (label.Visible) {
            items.push_back(Place({DescribedRole::Label,
                                   {ItemKind::Message, seat},
                                   ColorCode::None,
                                   label.Caption,
                                   SeatWord(seat)},
                                  t));
        }
        if (t.PlayerBack[static_cast<std::size_t>(seat)].Visible && s.HandCount[seat] >= 1) {
            const QString name =
                SeatWord(seat) +
                QStringLiteral(", %1 %2, face down")
                    .arg(s.HandCount[seat])
                    .arg(s.HandCount[seat] == 1 ? QStringLiteral("card") : QStringLiteral("cards"));
            items.push_back(Place({DescribedRole::CoveredHand,
                                   {ItemKind::PlayerBack, seat},
                                   ColorCode::None,
                                   name,
                                   {}},
                                  t));
        }
        for (int i = 1; i <= s.HandCount[seat]; ++i) {
            const int card = s.Hand[seat][i];
            if (card <= 0 || !t.CardImage[static_cast<std::size_t>(card)].Visible) continue;
            items.push_back(Place({DescribedRole::Card,
                                   {ItemKind::CardImage, card},
                                   ColorCode::None,
                                   CardName(s, card),
                                   SeatWord(seat)},
                                  t));
        }
        const LabelItem& lastCard = t.LastCardLabel[static_cast<std::size_t>(seat - 1)];
        if (lastCard.Visible) {
            items.push_back(Place({DescribedRole::Label,
                                   {ItemKind::LastCardLabel, seat - 1},
                                   ColorCode::None,
                                   lastCard.Caption.trimmed(),
                                   SeatWord(seat)},
                                  t));
        }
    }

    if (t.CardImage[0].Visible) {
        const QString name = QStringLiteral("pile, %1 cards").arg(s.HandCount[0]);
        items.push_back(
            Place({DescribedRole::Pile, {ItemKind::CardImage, 0}, ColorCode::None, name, {}}, t));
    }
    const int tableCard = s.TableCard;
    if (tableCard > 0 && tableCard < CardSlots &&
        t.CardImage[static_cast<std::size_t>(tableCard)].Visible) {
        QString name = QStringLiteral("table card ") + CardName(s, tableCard);
        if (const QString follow = ColorWord(s.TableColor); !follow.isEmpty())
            name += QStringLiteral(", color to follow ") + follow;
        const DescribedItem card = Place(
            {DescribedRole::TableCard, {ItemKind::CardImage, tableCard}, ColorCode::None, name, {}},
            t);
        items.push_back(card);
        for (ColorCode c : PlayColors) {
            const std::optional<ColorArea> area = areas.Find(c);
            if (!area) continue;
            DescribedItem pick{DescribedRole::ColorArea, card.Item, c, ColorWord(c),
                               QStringLiteral("names the color to follow")};
            pick.Left = card.Left + area->Left;
            pick.Top = card.Top + area->Top;
            pick.Width = area->Right - area->Left;
            pick.Height = area->Bottom - area->Top;
            items.push_back(pick);
        }
    }
    if (t.GameStartClick.Visible) {
        items.push_back(Place({DescribedRole::Label,
                               {ItemKind::GameStartClick, 0},
                               ColorCode::None,
                               t.GameStartClick.Caption,
                               {}},
                              t));
    }
    return items;
}

}  // namespace tolvanis
