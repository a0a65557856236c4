// A screenshot of a busy table for a person to look at (build/artifacts); it also
// checks that the painted widget shows the composed picture.
#include "Artifacts.h"
#include "GameArea.h"
#include "BoardFixture.h"

namespace {

class ScreenshotTest : public BoardTest {
protected:
    void SetUp() override
    {
        board.resize(GameAreaWidth, GameAreaHeight);
        board.SetColor(QColor(15, 70, 35));
        board.SetColor2(QColor(190, 225, 200));
    }
    // Paints the widget as the window would, and checks it against the compose image.
    void Shot(const QString& name)
    {
        board.RebuildBackground();
        const QImage shown = board.grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown, ComposeAll().convertToFormat(QImage::Format_RGB32)) << name.toStdString();
        SaveArtifact(shown, name);
    }
};

TEST_F(ScreenshotTest, BusyTable)
{
    board.SetBackType(btVGradient);
    board.SetDrawBackFrame(true);
    board.SetTrumps(Hearts);
    board.SetAutoCardBack(9);
    Fill(board.NewPile(poLine, 10, 6, 22, 0, 1, 0, 0), 6)->SetShowCards(scBack);
    TPile* deck = board.NewPile(poLine, 10, 140, 1, 0, 1, 0, 0);
    deck->SetShowBottom(true);
    Fill(deck, 8, false);
    Fill(board.NewPile(poHeap, 150, 140, 20, 15, 1, 0, 0), 5);
    TPile* ring = board.NewPile(poEllipse, 455, 165, 100, 62, 1, 0, 0);
    Fill(ring, 9);

    TPile* hand = board.NewPile(poLine, 10, 272, 40, 0, 1, 0, 0);
    hand->SetSort(psTrumpsLast);
    hand->SetWidth(330);
    hand->SetAutoTight(true);
    for (int i = 0; i < 10; ++i)
        NewCard(TCardValue((i * 5) % 13), TCardSuit(i % 4), hand);
    hand->Card(2)->SetMarked(true);
    hand->Card(3)->SetMarked(true);
    hand->Card(6)->SetSelectedCard(true);

    Shot("cards-busy-table.png");
}

} // namespace
