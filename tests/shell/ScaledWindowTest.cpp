// The window at the device pixel ratio the process runs at (ctest runs this program
// under QT_SCALE_FACTOR 1, 1.5, 2 and 3, the table sizes and high-DPI screens alike):
// the chooser, and each variant after some moves made by clicks on the cards the hint
// names. At ratio 1 the board and the chooser are held to the pixels they always had.
#include "Artifacts.h"
#include "Board.h"
#include "CardImages.h"
#include "Chooser.h"
#include "HoverImage.h"
#include "ProgramGames.h"
#include "Random.h"
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
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
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
        for (int move = 0; move < MovesBeforeShot; ++move) {
            ASSERT_NE(Game(), nullptr) << KindName().toStdString() << " ended after " << move;
            ClickHintedCard();
        }
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

} // namespace
