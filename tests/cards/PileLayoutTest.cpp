// Where a pile lays its cards, for every orientation, and which faces it shows.
#include "BoardFixture.h"

namespace {

using LayoutTest = BoardTest;
using Points = std::vector<QPoint>;

TEST_F(LayoutTest, LineStepsByGroupThenWithinGroup)
{
    // X 10, Y 20, PileW 30, PileH 5, AllocBy 3, AllocW 4, AllocH 2.
    TPile* pile = Fill(board.NewPile(poLine, 10, 20, 30, 5, 3, 4, 2), 7);
    const Points expected{{10, 20}, {14, 22}, {18, 24}, {40, 25}, {44, 27}, {48, 29}, {70, 30}};
    EXPECT_EQ(Positions(*pile), expected);
}

TEST_F(LayoutTest, ShowBottomPutsTheBottomCardFaceUpAtTheAnchor)
{
    TPile* deck = NewLine(100, 50, 20);
    deck->SetShowBottom(true);
    Fill(deck, 4, false);
    // A line puts the rest 16 pixels further.
    EXPECT_EQ(Positions(*deck), (Points{{100, 50}, {116, 50}, {136, 50}, {156, 50}}));
    EXPECT_TRUE(deck->BottomCard()->ShowCard());
    EXPECT_FALSE(deck->Card(1)->ShowCard());

    // An ellipse has no such offset: the other two form two groups, bottom and top.
    TPile* ring = NewPile(poEllipse, 300, 200, 100, 80);
    ring->SetShowBottom(true);
    Fill(ring, 3);
    EXPECT_EQ(Positions(*ring), (Points{{300, 200}, {265, 232}, {265, 72}}));
}

TEST_F(LayoutTest, AutoTightSqueezesTheLastCardToTheBoxEdgeRoundingHalvesToEven)
{
    struct Case {
        int x, pileW, count, width;
        bool showBottom;
        std::vector<int> xs;
    };
    const Case cases[] = {
        // Fits: left alone.
        {0, 20, 5, 320, false, {0, 20, 40, 60, 80}},
        // x = Round(i * 50 * 229 / 450 + 10): the last ends at 10 + 300 - 71.
        {10, 50, 10, 300, false, {10, 35, 61, 86, 112, 137, 163, 188, 214, 239}},
        // Exact values 7 + 0, 12.5, 25, 37.5, 50: 19.5 and 44.5 go to the even side.
        {7, 20, 5, 121, false, {7, 20, 32, 44, 57}},
        // Reference is index Count - 1 with the offset: factor 29 / 96.
        {0, 20, 5, 100, true, {0, 5, 11, 17, 23}},
    };
    for (const Case& c : cases) {
        TPile* hand = Fill(NewLine(c.x, 0, c.pileW), c.count);
        hand->SetShowBottom(c.showBottom);
        hand->SetWidth(c.width);
        hand->SetAutoTight(true);
        std::vector<int> xs;
        for (const TCard* card : hand->Cards())
            xs.push_back(card->X());
        EXPECT_EQ(xs, c.xs) << "width " << c.width;
        board.DestroyPile(hand);
    }

    // Vertically too: y = Round(i * 10 * 5 / 20 + 2) = 2, 4.5, 7.
    TPile* column = Fill(board.NewPile(poLine, 0, 2, 0, 10, 1, 0, 0), 3);
    column->SetHeight(101);
    column->SetAutoTight(true);
    EXPECT_EQ(Positions(*column), (Points{{0, 2}, {0, 4}, {0, 7}}));
    // The reference is the pile's own last card whatever count is asked for.
    EXPECT_EQ(column->CardPos(1, 2), QPoint(0, 4));

    column->SetWidth(10);
    EXPECT_EQ(column->Width(), 71) << "the box is never smaller than one card";
}

TEST_F(LayoutTest, EllipseGoesBottomLeftTopRightInEqualAngles)
{
    TPile* ring = Fill(NewPile(poEllipse, 300, 200, 100, 80), 1);
    EXPECT_EQ(Pos(ring->TopCard()), QPoint(300 - 35, 200 + 80 - 48));
    Fill(ring, 3);
    EXPECT_EQ(Positions(*ring), (Points{{265, 232}, {165, 152}, {265, 72}, {365, 152}}));
    Fill(ring, 5);
    // Nine cards, card 1 at 130 degrees: cos = -0.6428, sin = 0.7660.
    EXPECT_EQ(Pos(ring->Card(1)), QPoint(300 - 64 - 35, 200 + 61 - 48));
    EXPECT_EQ(ring->CardPos(1, 4), QPoint(165, 152));

    // Groups spread by their within-group steps.
    TPile* pairs = Fill(board.NewPile(poEllipse, 300, 200, 100, 80, 2, 10, 3), 4);
    EXPECT_EQ(Positions(*pairs), (Points{{265, 232}, {275, 235}, {265, 72}, {275, 75}}));
}

TEST_F(LayoutTest, HeapUsesTheOffsetsOfEachGroupsFirstCard)
{
    TPile* heap = Fill(board.NewPile(poHeap, 50, 60, 20, 20, 2, 5, 7), 4);
    const int offsets[4][2] = {{3, -4}, {100, 100}, {-6, 8}, {90, 90}};
    for (int i = 0; i < 4; ++i) {
        heap->Card(i)->HeapOffsetX = offsets[i][0];
        heap->Card(i)->HeapOffsetY = offsets[i][1];
    }
    heap->Realign();
    EXPECT_EQ(Positions(*heap), (Points{{53, 56}, {58, 63}, {44, 68}, {49, 75}}));
}

TEST_F(LayoutTest, NoneKeepsCardsWhereTheyAreAndRefillsFreePlacesLastInFirstOut)
{
    TPile* loose = NewPile(poNone, 500, 500);
    loose->SetFillFreePlaces(true);
    TCard* a = NewCard(Six, Clubs);
    TCard* b = NewCard(Seven, Clubs);
    a->SetPos(10, 10);
    b->SetPos(200, 30);
    a->SetPile(loose);
    b->SetPile(loose);
    loose->SetX(0);
    EXPECT_EQ(Pos(a), QPoint(10, 10));
    loose->RemoveCard(a->CardIndex());
    loose->RemoveCard(b->CardIndex());
    EXPECT_EQ(Pos(NewCard(Eight, Clubs, loose)), QPoint(200, 30));
    EXPECT_EQ(Pos(NewCard(Nine, Clubs, loose)), QPoint(10, 10));
    EXPECT_TRUE(loose->FreePlaces.empty());

    // A card that does not fill free places neither leaves nor takes one.
    b->FillsFreePlace = false;
    b->SetPile(loose);
    b->SetPile(nullptr);
    EXPECT_TRUE(loose->FreePlaces.empty());
    a->SetPos(32768 + 5, -7); // kept as 16-bit coordinates
    a->SetPile(loose);
    a->SetPile(nullptr);
    b->SetPile(loose);
    EXPECT_EQ(Pos(b), QPoint(200, 30));
    EXPECT_EQ(loose->FreePlaces, (Points{{-32763, -7}}));
}

TEST_F(LayoutTest, FaceRulesApplyToEveryCardButThoseInFlight)
{
    TPile* pile = Fill(NewLine(0, 0, 20), 3, true);
    pile->SetShowCards(scBack);
    pile->SetShowTop(true);
    EXPECT_FALSE(pile->Card(0)->ShowCard());
    EXPECT_FALSE(pile->Card(1)->ShowCard());
    EXPECT_TRUE(pile->TopCard()->ShowCard());
    pile->SetShowCards(scFace);
    EXPECT_TRUE(pile->Card(1)->ShowCard());
    // scDefault leaves every card as it is.
    pile->Card(1)->SetShowCard(false);
    pile->SetShowCards(scDefault);
    EXPECT_FALSE(pile->Card(1)->ShowCard());

    pile->SetShowCards(scBack);
    TCard* flying = pile->Card(1);
    flying->Moving = true;
    flying->SetShowCard(true);
    flying->PlaceAt(500, 500);
    pile->SetX(100);
    EXPECT_EQ(flying->X(), 500);
    EXPECT_TRUE(flying->ShowCard());
    EXPECT_EQ(pile->TopCard()->X(), 140);
    flying->Moving = false;
}

TEST_F(LayoutTest, MovingThePileAnchorRelaysAndRepaintsOldAndNewAreas)
{
    TPile* pile = Fill(NewLine(0, 0, 20), 2);
    board.Invalidated.clear();
    pile->SetY(30);
    EXPECT_EQ(pile->TopCard()->Y(), 30);
    // Old pile area first, new pile area last (cards repaint in between).
    ASSERT_GE(board.Invalidated.size(), 2u);
    EXPECT_EQ(board.Invalidated.front(), QRect(0, 0, 20 + 71, 96));
    EXPECT_EQ(board.Invalidated.back(), QRect(0, 30, 20 + 71, 96));
    // SetPos moves only the anchor: the cards stay (the pile animation relies on it).
    pile->SetPos(300, 300);
    EXPECT_EQ(pile->TopCard()->X(), 20);
}

} // namespace
