// Where a pile lays its cards, for every orientation, and which faces it shows.
#include "BoardFixture.h"

namespace {

std::vector<QPoint> Positions(const TPile& pile)
{
    std::vector<QPoint> out;
    for (const TCard* c : pile.Cards())
        out.push_back({c->X(), c->Y()});
    return out;
}

class LayoutTest : public BoardTest {
protected:
    void Fill(TPile* pile, int count, bool face = true)
    {
        for (int i = 0; i < count; ++i)
            NewCard(TCardValue(i % 13), TCardSuit(i / 13 % 4), pile, face);
    }
};

TEST_F(LayoutTest, DefaultsOfNewBoardsAndPiles)
{
    EXPECT_EQ(board.Trumps(), Spades);
    EXPECT_TRUE(board.AutoClearMarks());
    EXPECT_TRUE(board.AnimationEnabled());
    EXPECT_EQ(board.AutoCardBack(), -1);

    TPile* pile = board.NewPile(poLine, 0, 0, 16, 0, 1, 0, 0);
    EXPECT_EQ(pile->Width(), 320);
    EXPECT_EQ(pile->Height(), 100);

    TCard* card = NewCard(Six, Hearts, nullptr, false);
    EXPECT_TRUE(card->FillsFreePlace);
    EXPECT_EQ(QPoint(card->X(), card->Y()), QPoint(0, 0));
    EXPECT_FALSE(card->Moving || card->Marked() || card->Empty() || card->SelectedCard());
}

TEST_F(LayoutTest, LineStepsByGroupThenWithinGroup)
{
    // X 10, Y 20, PileW 30, PileH 5, AllocBy 3, AllocW 4, AllocH 2.
    TPile* pile = board.NewPile(poLine, 10, 20, 30, 5, 3, 4, 2);
    Fill(pile, 7);
    const std::vector<QPoint> expected{{10, 20}, {14, 22}, {18, 24},  // group 0
                                       {40, 25}, {44, 27}, {48, 29},  // group 1
                                       {70, 30}};                     // group 2
    EXPECT_EQ(Positions(*pile), expected);
    EXPECT_EQ(pile->CardPos(4), QPoint(44, 27));
}

TEST_F(LayoutTest, ShowBottomPutsTheBottomCardAtTheAnchorAndTheRestSixteenFurther)
{
    TPile* deck = NewLine(100, 50, 20);
    deck->SetShowBottom(true);
    Fill(deck, 4, false);
    const std::vector<QPoint> expected{{100, 50}, {116, 50}, {136, 50}, {156, 50}};
    EXPECT_EQ(Positions(*deck), expected);
    EXPECT_TRUE(deck->BottomCard()->ShowCard());
    EXPECT_FALSE(deck->Card(1)->ShowCard());
    EXPECT_FALSE(deck->TopCard()->ShowCard());
}

TEST_F(LayoutTest, ShowBottomOfANonLinePileHasNoSixteenPixelOffset)
{
    TPile* pile = board.NewPile(poEllipse, 300, 200, 100, 80, 1, 0, 0);
    pile->SetShowBottom(true);
    Fill(pile, 3);
    // Bottom at the anchor itself; the other two form two groups: bottom and top.
    const std::vector<QPoint> expected{{300, 200}, {265, 232}, {265, 72}};
    EXPECT_EQ(Positions(*pile), expected);
}

TEST_F(LayoutTest, AutoTightKeepsARowThatFits)
{
    TPile* hand = NewLine(0, 0, 20);
    hand->SetAutoTight(true);
    Fill(hand, 5); // last card ends at 80 + 71 = 151, inside the default 320
    EXPECT_EQ(hand->TopCard()->X(), 80);
    EXPECT_EQ(hand->Card(1)->X(), 20);
}

TEST_F(LayoutTest, AutoTightSqueezesTheLastCardToTheBoxEdge)
{
    TPile* hand = NewLine(10, 0, 50);
    Fill(hand, 10);
    hand->SetWidth(300);
    hand->SetAutoTight(true);
    // x = Round(i * 50 * 229 / 450 + 10): the last ends at 10 + 300 - 71 = 239.
    EXPECT_EQ(hand->TopCard()->X(), 239);
    EXPECT_EQ(hand->Card(1)->X(), 35);  // 25.44 + 10
    EXPECT_EQ(hand->Card(5)->X(), 137); // 127.22 + 10
}

TEST_F(LayoutTest, AutoTightRoundsHalvesToEven)
{
    // PileW 20, 5 cards: lx - X = 80; Width 121: factor 50 / 80, so the exact values
    // are X + 0, 12.5, 25, 37.5, 50. With X = 7 the halves land on 19.5 and 44.5.
    TPile* hand = NewLine(7, 0, 20);
    Fill(hand, 5);
    hand->SetWidth(121);
    hand->SetAutoTight(true);
    const std::vector<QPoint> expected{{7, 0}, {20, 0}, {32, 0}, {44, 0}, {57, 0}};
    EXPECT_EQ(Positions(*hand), expected);
    // The reference is the pile's own last card whatever Count is asked for.
    EXPECT_EQ(hand->CardPos(1, 2), QPoint(20, 0));
}

TEST_F(LayoutTest, AutoTightSqueezesVerticallyToo)
{
    // PileH 10, 3 cards: ly - Y = 20; Height 101: y = Round(i * 10 * 5 / 20 + 2) = 2, 4.5, 7.
    TPile* column = board.NewPile(poLine, 0, 2, 0, 10, 1, 0, 0);
    Fill(column, 3);
    column->SetHeight(101);
    column->SetAutoTight(true);
    const std::vector<QPoint> expected{{0, 2}, {0, 4}, {0, 7}};
    EXPECT_EQ(Positions(*column), expected);
}

TEST_F(LayoutTest, AutoTightWithShowBottomMeasuresFromTheLastIndexWithTheOffset)
{
    // Reference i = Count - 1 = 4, not 3: lx = 16 + 4 * 20 = 96, factor 29 / 96.
    // Cards 1..4 lie naturally at 16, 36, 56, 76 -> 4.83, 10.88, 16.92, 22.96.
    TPile* deck = NewLine(0, 0, 20);
    deck->SetShowBottom(true);
    Fill(deck, 5);
    deck->SetWidth(100);
    deck->SetAutoTight(true);
    const std::vector<QPoint> expected{{0, 0}, {5, 0}, {11, 0}, {17, 0}, {23, 0}};
    EXPECT_EQ(Positions(*deck), expected);
}

TEST_F(LayoutTest, BoxSizeNeverBelowOneCard)
{
    TPile* pile = NewLine(0, 0);
    pile->SetWidth(10);
    pile->SetHeight(-5);
    EXPECT_EQ(pile->Width(), 71);
    EXPECT_EQ(pile->Height(), 96);
}

TEST_F(LayoutTest, EllipseWithOneGroupLiesStraightBelowTheCentre)
{
    TPile* ring = board.NewPile(poEllipse, 300, 200, 100, 80, 1, 0, 0);
    Fill(ring, 1);
    EXPECT_EQ(ring->TopCard()->X(), 300 - 35);
    EXPECT_EQ(ring->TopCard()->Y(), 200 + 80 - 48);
}

TEST_F(LayoutTest, EllipseGoesBottomLeftTopRight)
{
    TPile* ring = board.NewPile(poEllipse, 300, 200, 100, 80, 1, 0, 0);
    Fill(ring, 4);
    const std::vector<QPoint> expected{{265, 232}, {165, 152}, {265, 72}, {365, 152}};
    EXPECT_EQ(Positions(*ring), expected);
}

TEST_F(LayoutTest, EllipseOfNineUsesFortyDegreeSteps)
{
    TPile* ring = board.NewPile(poEllipse, 300, 200, 100, 80, 1, 0, 0);
    Fill(ring, 9);
    // Card 1 at 130 degrees: cos = -0.6428, sin = 0.7660.
    EXPECT_EQ(ring->Card(1)->X(), 300 - 64 - 35);
    EXPECT_EQ(ring->Card(1)->Y(), 200 + 61 - 48);
    // Asking with another count spreads over that many groups.
    EXPECT_EQ(ring->CardPos(1, 4), QPoint(165, 152));
}

TEST_F(LayoutTest, EllipseGroupsSpreadByTheirWithinGroupSteps)
{
    TPile* ring = board.NewPile(poEllipse, 300, 200, 100, 80, 2, 10, 3);
    Fill(ring, 4);
    const std::vector<QPoint> expected{{265, 232}, {275, 235}, {265, 72}, {275, 75}};
    EXPECT_EQ(Positions(*ring), expected);
}

TEST_F(LayoutTest, HeapUsesTheOffsetsOfEachGroupsFirstCard)
{
    TPile* heap = board.NewPile(poHeap, 50, 60, 20, 20, 2, 5, 7);
    Fill(heap, 4);
    const int offsets[4][2] = {{3, -4}, {100, 100}, {-6, 8}, {90, 90}};
    for (int i = 0; i < 4; ++i) {
        heap->Card(i)->HeapOffsetX = offsets[i][0];
        heap->Card(i)->HeapOffsetY = offsets[i][1];
    }
    heap->Realign();
    const std::vector<QPoint> expected{{53, 56}, {58, 63}, {44, 68}, {49, 75}};
    EXPECT_EQ(Positions(*heap), expected);
}

TEST_F(LayoutTest, NoneLeavesCardsWhereTheyWere)
{
    TPile* loose = board.NewPile(poNone, 500, 500, 16, 0, 1, 0, 0);
    TCard* card = NewCard(Six, Clubs);
    card->SetPos(123, 45);
    card->SetPile(loose);
    loose->SetX(10);
    loose->Realign();
    EXPECT_EQ(card->X(), 123);
    EXPECT_EQ(card->Y(), 45);
}

TEST_F(LayoutTest, FreePlacesAreRefilledLastInFirstOut)
{
    TPile* loose = board.NewPile(poNone, 0, 0, 16, 0, 1, 0, 0);
    loose->SetFillFreePlaces(true);
    TCard* a = NewCard(Six, Clubs);
    TCard* b = NewCard(Seven, Clubs);
    a->SetPos(10, 10);
    b->SetPos(200, 30);
    a->SetPile(loose);
    b->SetPile(loose);
    EXPECT_EQ(a->X(), 10); // nothing remembered yet: cards stay put
    loose->RemoveCard(a->CardIndex());
    loose->RemoveCard(b->CardIndex());
    ASSERT_EQ(loose->FreePlaces.size(), 2u);

    TCard* c = NewCard(Eight, Clubs, loose);
    EXPECT_EQ(QPoint(c->X(), c->Y()), QPoint(200, 30));
    TCard* d = NewCard(Nine, Clubs, loose);
    EXPECT_EQ(QPoint(d->X(), d->Y()), QPoint(10, 10));
    EXPECT_TRUE(loose->FreePlaces.empty());
}

TEST_F(LayoutTest, CardsThatDoNotFillFreePlacesNeitherLeaveNorTakeOne)
{
    TPile* loose = board.NewPile(poNone, 0, 0, 16, 0, 1, 0, 0);
    loose->SetFillFreePlaces(true);
    TCard* a = NewCard(Six, Clubs);
    a->SetPos(40, 40);
    a->SetPile(loose);
    a->FillsFreePlace = false;
    a->SetPile(nullptr);
    EXPECT_TRUE(loose->FreePlaces.empty());

    TCard* b = NewCard(Seven, Clubs, loose);
    b->SetPos(70, 80);
    b->SetPile(nullptr); // remembered
    TCard* c = NewCard(Eight, Clubs);
    c->SetPos(1, 2);
    c->FillsFreePlace = false;
    c->SetPile(loose);
    EXPECT_EQ(QPoint(c->X(), c->Y()), QPoint(1, 2));
    EXPECT_EQ(loose->FreePlaces.size(), 1u);
}

TEST_F(LayoutTest, FreePlacesKeepSixteenBitCoordinates)
{
    TPile* loose = board.NewPile(poNone, 0, 0, 16, 0, 1, 0, 0);
    loose->SetFillFreePlaces(true);
    TCard* a = NewCard(Six, Clubs, loose);
    a->SetPos(32768 + 5, -7);
    loose->RemoveCard(0);
    ASSERT_EQ(loose->FreePlaces.size(), 1u);
    EXPECT_EQ(loose->FreePlaces[0], QPoint(-32763, -7));
}

TEST_F(LayoutTest, FaceRulesApplyToEveryLaidOutCard)
{
    TPile* pile = NewLine(0, 0, 20);
    Fill(pile, 3, true);
    pile->SetShowCards(scBack);
    for (const TCard* c : pile->Cards())
        EXPECT_FALSE(c->ShowCard());
    pile->SetShowTop(true);
    EXPECT_TRUE(pile->TopCard()->ShowCard());
    EXPECT_FALSE(pile->Card(1)->ShowCard());
    pile->SetShowCards(scFace);
    for (const TCard* c : pile->Cards())
        EXPECT_TRUE(c->ShowCard());
    // scDefault leaves every card as it is.
    pile->Card(1)->SetShowCard(false);
    pile->SetShowCards(scDefault);
    EXPECT_FALSE(pile->Card(1)->ShowCard());
}

TEST_F(LayoutTest, RealignLeavesMovingCardsAlone)
{
    TPile* pile = NewLine(0, 0, 20);
    pile->SetShowCards(scBack);
    Fill(pile, 3, true);
    TCard* flying = pile->Card(1);
    flying->Moving = true;
    flying->SetShowCard(true);
    flying->PlaceAt(500, 500);
    pile->SetX(100);
    EXPECT_EQ(flying->X(), 500);
    EXPECT_TRUE(flying->ShowCard());
    EXPECT_EQ(pile->Card(2)->X(), 140);
    flying->Moving = false;
}

TEST_F(LayoutTest, MovingThePileAnchorRelaysAndRepaintsOldAndNewAreas)
{
    TPile* pile = NewLine(0, 0, 20);
    Fill(pile, 2);
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
