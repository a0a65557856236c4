// The window at the device pixel ratio the process runs at (ctest runs this program
// under QT_SCALE_FACTOR 1, 1.5, 2 and 3, the table sizes and high-DPI screens alike):
// the chooser, a game of each variant played to its end by clicks on the cards the
// hint names, the game-over box. At ratio 1 the board and the chooser are held to the
// pixels they always had; above it a card's corner index must be drawn at the ratio,
// not enlarged.
#include "Artifacts.h"
#include "Board.h"
#include "CardImages.h"
#include "Chooser.h"
#include "HoverImage.h"
#include "ProgramGames.h"
#include "Random.h"
#include "VariantGame.h"
#include "support/ProgramWindow.h"

#include <QCryptographicHash>
#include <QScreen>
#include <QTest>

namespace {

constexpr int MovesBeforeShot = 6;

qreal Ratio() { return qApp->devicePixelRatio(); }

QString RatioTag() { return QString::number(Ratio()) + "x"; }

std::string Digest(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < rgb.height(); ++y)
        hash.addData(
            QByteArrayView(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4));
    return hash.result().toHex().left(16).toStdString();
}

class ScaledWindow : public ProgramWindowFixture {
protected:
    void SetUp() override
    {
        ProgramWindowFixture::SetUp();
        gameOver = std::make_unique<TClosingGameOver>(*window, [this] {
            return QStringLiteral("%1-game-over-%2.png").arg(KindName(), RatioTag());
        });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        gameOver.reset();
        ProgramWindowFixture::TearDown();
    }
    QString KindName() const { return TGameKinds::Name(kind).toLower(); }

    TZelmoGame* Game() const { return window->Game(); }

    // Starts a variant from its name label, with the same deal at every ratio.
    void Start(int chosen)
    {
        kind = chosen;
        QTest::mouseClick(window->Chooser().NameLabel(kind), Qt::LeftButton);
        SetRandSeed(4242);
        QCoreApplication::processEvents();
        ASSERT_NE(Game(), nullptr);
        WaitForTurn();
    }
    void WaitForTurn()
    {
        PumpWhile(
            [this] { return Game() && (!Game()->Waiting || Game()->Board->MovingCount() > 0); });
    }

    // One move as a player makes it: a click in the middle of the card the hint names,
    // with the button the hint asks for; the press must land on that very card. With no
    // card named (nothing to throw, nothing to capture) the click goes to the bare table.
    void ClickHintedCard()
    {
        TZelmoGame* game = Game();
        TCard* card = game->HintCard();
        const Qt::MouseButton button =
            game->PickedButton == mbRight ? Qt::RightButton : Qt::LeftButton;
        const QPoint at = card ? VisiblePoint(*card) : BareTable();
        ASSERT_EQ(game->Board->CardAt(at.x(), at.y()), card);
        QTest::mouseClick(game->Board, button, {}, at);
        if (card) {
            EXPECT_EQ(game->PickedCard, card)
                << "the click did not land on the card under the pointer";
        }
        QCoreApplication::processEvents(); // the pick is handled
        WaitForTurn();
    }
    // The middle of the card if nothing covers it there, else the first spot it shows.
    QPoint VisiblePoint(const TCard& card) const
    {
        const QPoint centre(card.X() + CardWidth / 2, card.Y() + CardHeight / 2);
        const TBoard& board = *Game()->Board;
        if (board.CardAt(centre.x(), centre.y()) == &card)
            return centre;
        for (int y = card.Y(); y < card.Y() + CardHeight; y += 3)
            for (int x = card.X(); x < card.X() + CardWidth; x += 3)
                if (board.CardAt(x, y) == &card)
                    return {x, y};
        return centre;
    }
    QPoint BareTable() const
    {
        const TBoard& board = *Game()->Board;
        for (int y = board.height() / 2; y < board.height(); y += 7)
            for (int x = 4; x < board.width(); x += 7)
                if (!board.CardAt(x, y))
                    return {x, y};
        return {};
    }
    // Plays up to `moves` moves; how many were played before the game ended.
    int PlayMoves(int moves)
    {
        int played = 0;
        for (; played < moves && Game(); ++played)
            ClickHintedCard();
        return played;
    }

    std::unique_ptr<TClosingGameOver> gameOver;
    int kind = 0;
};

// The pictures of the window at ratio 1 before high-DPI drawing existed.
const char* const BoardAtOne[] = {"85500463a5536fd5", "76bee48117833742", "bfd56b50a77ff76c"};
const char* const ChooserAtOne = "ffe7893313cbeafe";

TEST_F(ScaledWindow, ChooserAndEveryVariantMidGame)
{
    const QImage chooser = window->Chooser().grab().toImage();
    SaveArtifact(chooser, QStringLiteral("chooser-%1.png").arg(RatioTag()));
    EXPECT_EQ(chooser.size(), (QSizeF(window->Chooser().size()) * Ratio()).toSize());
    if (Ratio() == 1) {
        EXPECT_EQ(Digest(chooser), ChooserAtOne);
    }
    for (int chosen : ProgramGames().Built()) {
        Start(chosen);
        EXPECT_EQ(PlayMoves(MovesBeforeShot), MovesBeforeShot) << KindName().toStdString();
        ASSERT_NE(Game(), nullptr);
        const QImage board = Game()->Board->grab().toImage();
        // What the screen holds after the moves' repaints is what a fresh paint shows.
        QCoreApplication::processEvents();
        const QImage fresh = window->grab().toImage();
        // The offscreen screen hands out the top-left part of the window, in device pixels.
        const QImage screen = window->screen()
                                  ->grabWindow(window->winId())
                                  .toImage()
                                  .convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(screen, fresh.copy(screen.rect()).convertToFormat(QImage::Format_RGB32))
            << KindName().toStdString();
        SaveArtifact(screen, QStringLiteral("%1-screen-%2.png").arg(KindName(), RatioTag()));
        SaveArtifact(fresh, QStringLiteral("%1-%2.png").arg(KindName(), RatioTag()));
        if (Ratio() == 1) {
            EXPECT_EQ(Digest(board), BoardAtOne[chosen]) << KindName().toStdString();
        }
        ASSERT_TRUE(window->EndCurrentGame());
        PumpWhile([this] { return Game() != nullptr; });
    }
}

TEST_F(ScaledWindow, EveryVariantPlayedToItsEndByClicks)
{
    for (int chosen : ProgramGames().Built()) {
        Start(chosen);
        const int shown = gameOver->Shown;
        int moves = 0;
        for (; Game() && moves < 1000; ++moves)
            ClickHintedCard();
        EXPECT_EQ(Game(), nullptr) << KindName().toStdString() << " did not end";
        EXPECT_EQ(gameOver->Shown - shown, 1) << KindName().toStdString();
        EXPECT_GT(moves, 10);
    }
}

// The largest difference of one colour channel between two pixels.
int Step(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// Steep steps between neighbouring pixels that do not lie on the grid of an enlarged
// 1x picture: an edge drawn at the ratio has many, an enlarged one next to none (block
// by block the steps fall on the grid, smoothly each is spread over `scale` pixels).
int StepsOffTheClassicGrid(const QImage& image, const QRect& area, int scale)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int steps = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x < area.right(); ++x)
            if ((x - area.left() + 1) % scale != 0 &&
                Step(rgb.pixel(x, y), rgb.pixel(x + 1, y)) >= 160)
                ++steps;
    return steps;
}

TEST_F(ScaledWindow, ACornerIndexIsDrawnAtTheRatioNotEnlarged)
{
    const int scale = int(Ratio());
    if (scale < 2 || scale != Ratio())
        GTEST_SKIP() << "for whole ratios above 1";
    Start(0);
    const TCard* card = dynamic_cast<TVariantGame&>(*Game()).HumanHand->Card(0);
    ASSERT_TRUE(card->ShowCard());
    const QRect index(1, 2, 13, 25); // rank and suit in the top-left corner
    const QImage shot = Game()->Board->grab().toImage();
    const QRect shown(QPoint(card->X() + index.x(), card->Y() + index.y()) * scale,
                      index.size() * scale);

    // The same card from the classic pictures, enlarged both ways a toolkit would.
    TCardImages classic(false);
    QImage one(CardWidth, CardHeight, QImage::Format_RGB32);
    one.fill(Qt::white);
    TBoard scratch;
    classic.DrawCard(one, *scratch.NewCard(nullptr, card->Value(), card->Suit(), true), one.rect());
    const QRect enlarged(index.topLeft() * scale, index.size() * scale);
    for (Qt::TransformationMode mode : {Qt::FastTransformation, Qt::SmoothTransformation})
        EXPECT_LE(StepsOffTheClassicGrid(
                      one.scaled(one.size() * scale, Qt::IgnoreAspectRatio, mode), enlarged, scale),
                  2);
    EXPECT_GE(StepsOffTheClassicGrid(shot, shown, scale), 12) << "the corner index looks enlarged";
    SaveArtifact(shot.copy(shown), QStringLiteral("corner-index-%1.png").arg(RatioTag()));
}

} // namespace
