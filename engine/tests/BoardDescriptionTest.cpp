// The table in words: card names, covered hands, the pile and the table card, the labels, and
// the colour areas that appear only while a colour is to be named.
#include "BoardDescription.h"
#include "EngineFixture.h"

namespace tolvanis::testing {
namespace {

class BoardDescriptionTest : public EngineFixture {
  protected:
    ColorAreas areas{eng};

    std::vector<QString> Names(DescribedRole role) {
        std::vector<QString> names;
        for (const DescribedItem& item : DescribeBoard(eng, areas)) {
            if (item.Role == role) names.push_back(item.Name);
        }
        return names;
    }
};

TEST_F(BoardDescriptionTest, CardsAreNamedAsPeopleSayThem) {
    EXPECT_EQ(CardName(st, Red(7)), QStringLiteral("red 7"));
    EXPECT_EQ(CardName(st, Green(0)), QStringLiteral("green 0"));
    EXPECT_EQ(CardName(st, Blue(ValueCode::Skip)), QStringLiteral("blue skip"));
    EXPECT_EQ(CardName(st, Green(ValueCode::Reverse)), QStringLiteral("green reverse"));
    EXPECT_EQ(CardName(st, Yellow(ValueCode::Plus2)), QStringLiteral("yellow +2"));
    EXPECT_EQ(CardName(st, Plus4()), QStringLiteral("wild +4"));
    EXPECT_EQ(CardName(st, ColorChange()), QStringLiteral("wild color change"));
}

TEST_F(BoardDescriptionTest, WhatASightedPlayerSeesAndWhere) {
    NewPosition(2, Red(5));
    Give(1, {Red(1), Blue(ValueCode::Skip)});
    Give(3, {Green(4)});
    SetSeat(1, true, true, true);
    eng.ShowHand(1);
    eng.ShowHand(3);
    SetTurn(3);

    const std::vector<DescribedItem> items = DescribeBoard(eng, areas);
    EXPECT_EQ(Names(DescribedRole::CoveredHand),
              std::vector<QString>{QStringLiteral("seat 1, 2 cards, face down")});
    EXPECT_EQ(Names(DescribedRole::Card), std::vector<QString>{QStringLiteral("green 4")});
    EXPECT_EQ(Names(DescribedRole::Pile), std::vector<QString>{QStringLiteral("pile, 105 cards")});
    EXPECT_EQ(Names(DescribedRole::TableCard),
              std::vector<QString>{QStringLiteral("table card red 5, color to follow red")});
    const std::vector<QString> labels = Names(DescribedRole::Label);
    EXPECT_NE(std::find(labels.begin(), labels.end(), QStringLiteral("p3: your turn")),
              labels.end());
    EXPECT_TRUE(Names(DescribedRole::ColorArea).empty()) << "no colour is awaited";

    // Each item lies where the board puts it; a card of a hand says whose it is.
    for (const DescribedItem& item : items) {
        if (item.Role == DescribedRole::Card) {
            EXPECT_EQ(item.Description, QStringLiteral("seat 3"));
            EXPECT_EQ(item.Left, tb.CardImage[Green(4)].Left);
            EXPECT_EQ(item.Width, tb.CardWidth);
        }
        if (item.Role == DescribedRole::CoveredHand) {
            EXPECT_EQ(item.Top, tb.PlayerBack[1].Top);
        }
    }

    // One card left: singular, and the LAST CARD label is told with its seat.
    Give(1, {});
    st.Hand[1][2] = -1;
    st.HandCount[1] = 1;
    tb.LastCardLabel[0].Visible = true;
    tb.LastCardLabel[0].Caption = QString(29, QLatin1Char(' ')) + QStringLiteral("LAST CARD");
    EXPECT_EQ(Names(DescribedRole::CoveredHand),
              std::vector<QString>{QStringLiteral("seat 1, 1 card, face down")});
    for (const DescribedItem& item : DescribeBoard(eng, areas)) {
        if (item.Item == ItemRef{ItemKind::LastCardLabel, 0}) {
            EXPECT_EQ(item.Name, QStringLiteral("LAST CARD"));
            EXPECT_EQ(item.Description, QStringLiteral("seat 1"));
        }
    }
}

TEST_F(BoardDescriptionTest, ColourAreasWhileAColourIsToBeNamed) {
    NewPosition(2, Red(5));
    Give(1, {Plus4(), Green(2)});
    Give(3, {Green(4)});
    PaintPickers();
    Click(Plus4());
    ASSERT_EQ(st.ColorWait, 4);
    EXPECT_EQ(Names(DescribedRole::ColorArea),
              (std::vector<QString>{QStringLiteral("red"), QStringLiteral("green"),
                                    QStringLiteral("blue"), QStringLiteral("yellow")}));
    for (const DescribedItem& item : DescribeBoard(eng, areas)) {
        if (item.Role != DescribedRole::ColorArea) continue;
        // PaintPickers colours one millimetre around its points; the area is about that.
        const auto [x, y] = PointOf(item.Color);
        const double left = item.Left - tb.CardImage[st.TableCard].Left;
        const double top = item.Top - tb.CardImage[st.TableCard].Top;
        EXPECT_NEAR(left, x - 0.5, 0.3) << item.Name.toStdString();
        EXPECT_NEAR(top, y - 0.5, 0.3) << item.Name.toStdString();
        EXPECT_NEAR(item.Width, 1, 0.3);
        const auto area = areas.Find(item.Color);
        ASSERT_TRUE(area);
        EXPECT_NEAR(area->X, x, 0.5);
    }
    PickColor(ColorCode::Green);
    EXPECT_TRUE(Names(DescribedRole::ColorArea).empty());
    EXPECT_EQ(Names(DescribedRole::TableCard),
              std::vector<QString>{QStringLiteral("table card wild +4, color to follow green")});
}

}  // namespace
}  // namespace tolvanis::testing
