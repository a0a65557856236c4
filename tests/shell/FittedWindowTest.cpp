// The window with "Fit to window": whole games played by clicks at a wide and a tall
// size, where the test works out itself where a card shows; the focus ring and the
// accessible rectangles there; the table size changed in the middle of a game; full
// screen, also on a 4K screen; and the window kept and brought back onto the screen.
#include "Artifacts.h"
#include "Board.h"
#include "Chooser.h"
#include "FocusRing.h"
#include "KeyboardPlay.h"
#include "MainMenu.h"
#include "ProgramGames.h"
#include "TableSize.h"
#include "support/ProgramWindow.h"

#include <QAccessible>
#include <QAction>
#include <QScreen>
#include <QTest>

namespace {

constexpr int Cards = 36;

class FittedWindow : public ProgramWindowFixture {
protected:
    void SetUp() override
    {
        ProgramWindowFixture::SetUp();
        window->Settings().Zoom = FitToWindow;
        window->ShowTableSize();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    TZelmoGame* Game() const { return window->Game(); }
    TBoard& Board() const { return *Game()->Board; }

    void Start(int kind)
    {
        ASSERT_NE(StartFromLabel(kind, 4242), nullptr);
        AwaitTurn();
    }

    // Where a table point shows on the board, worked out from the board's size alone:
    // the classic area scaled by the largest factor that fits, centred.
    QPointF Shown(QPointF table) const
    {
        const QSizeF w = Board().size();
        const qreal s = std::min(w.width() / GameAreaWidth, w.height() / GameAreaHeight);
        return QPointF((w.width() - GameAreaWidth * s) / 2, (w.height() - GameAreaHeight * s) / 2) +
               table * s;
    }
    QRect ShownCard(const TCard& card) const
    {
        return QRectF(Shown(QPointF(card.X(), card.Y())),
                      Shown(QPointF(card.X() + CardWidth, card.Y() + CardHeight)))
            .toRect();
    }
    // Alike but for the rounding of a scaled edge.
    static bool Near(QRect a, QRect b)
    {
        return (a.topLeft() - b.topLeft()).manhattanLength() <= 2 &&
               (a.bottomRight() - b.bottomRight()).manhattanLength() <= 2;
    }

    // One move by a click where the test works out that the hint's card shows.
    void ClickHintedCard()
    {
        ProgramWindowFixture::ClickHintedCard([this](QPointF at) { return Shown(at).toPoint(); });
    }
    void PlayToTheEnd()
    {
        for (int move = 0; move < 400 && Game(); ++move)
            ASSERT_NO_FATAL_FAILURE(ClickHintedCard());
        EXPECT_EQ(Game(), nullptr) << "the game did not end";
    }

    // The focus ring and the accessible rectangle of the card Right focuses surround
    // that card as shown; what lies under the rectangle's middle is the card's pile.
    void CheckFocusedCard()
    {
        QTest::keyClick(Game()->Board, Qt::Key_Right);
        QCoreApplication::processEvents();
        const TCard* focused = Game()->Keys()->Focused();
        ASSERT_NE(focused, nullptr);
        const QRect card = ShownCard(*focused);
        const auto* ring = Game()->findChild<TFocusRing*>();
        ASSERT_TRUE(ring && ring->isVisible());
        const int m = TFocusRing::Margin;
        const QRect ringOnBoard = ring->geometry().translated(-Board().mapTo(Game(), QPoint()));
        EXPECT_TRUE(Near(ringOnBoard.adjusted(m, m, -m, -m), card)) << "the focus ring";

        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(Game()->Board);
        QAccessibleInterface* item = board ? board->focusChild() : nullptr;
        ASSERT_NE(item, nullptr);
        const QRect onScreen(Board().mapToGlobal(card.topLeft()), card.size());
        EXPECT_TRUE(Near(item->rect(), onScreen)) << "the accessible rectangle";
        QAccessibleInterface* under = board->childAt(onScreen.center().x(), onScreen.center().y());
        ASSERT_NE(under, nullptr);
        EXPECT_GE(under->indexOfChild(item), 0);
    }

    // Every table size takes effect at once in the middle of the game: the game goes on
    // in its state with every card in a pile and on the table; a fixed size fixes the
    // frame at the table's size again.
    void CheckEveryTableSize()
    {
        const int state = Game()->State;
        for (int zoom : {200, 100, 150, FitToWindow}) {
            window->Settings().Zoom = zoom;
            window->ShowTableSize();
            QCoreApplication::processEvents();
            ASSERT_NE(Game(), nullptr);
            EXPECT_EQ(Game()->State, state);
            int inPiles = 0;
            for (const TPile* pile : Board().Piles())
                for (const TCard* card : pile->Cards())
                    inPiles += card->Empty() ? 0 : 1;
            EXPECT_EQ(inPiles, Cards) << "at " << zoom;
            for (const TCard* card : Board().Cards())
                EXPECT_TRUE(QRect(0, 0, Board().TableWidth(), Board().TableHeight())
                                .contains(QRect(card->X(), card->Y(), CardWidth, CardHeight)))
                    << "a card off the table at " << zoom;
            if (zoom != FitToWindow) {
                const qreal factor = zoom / 100.0;
                EXPECT_EQ(Board().TableScale(), factor);
                EXPECT_EQ(window->minimumSize(), window->maximumSize())
                    << "the frame is fixed again";
                EXPECT_EQ(window->Chooser().width(), qRound(GameAreaWidth * factor));
                EXPECT_NEAR(Game()->width(), GameAreaWidth * factor, 1);
            }
        }
    }
};

// At a wide and a tall size, each variant: the focused card, some moves, every table
// size, then back at that size the rest of the game, all by clicks.
TEST_F(FittedWindow, EveryVariantIsPlayedToItsEndByClicksWideAndTall)
{
    for (const QSize size : {QSize(1920, 1011), QSize(700, 1100)}) {
        window->resize(size);
        QCoreApplication::processEvents();
        const QString tag = size.width() > size.height() ? "wide" : "tall";
        SaveArtifact(window->grab().toImage(), QStringLiteral("fit-%1-chooser.png").arg(tag));
        for (int kind : ProgramGames().Built()) {
            SCOPED_TRACE(TGameKinds::Name(kind).toStdString() + " at " +
                         std::to_string(size.width()));
            Start(kind);
            EXPECT_EQ(Board().TableWidth(), GameAreaWidth);
            EXPECT_EQ(Board().TableHeight(), GameAreaHeight);
            ASSERT_NO_FATAL_FAILURE(CheckFocusedCard());
            for (int move = 0; move < 5; ++move)
                ASSERT_NO_FATAL_FAILURE(ClickHintedCard());
            SaveArtifact(
                window->grab().toImage(),
                QStringLiteral("fit-%1-%2.png").arg(tag, TGameKinds::Name(kind).toLower()));
            ASSERT_NO_FATAL_FAILURE(CheckEveryTableSize());
            window->resize(size);
            QCoreApplication::processEvents();
            EXPECT_EQ(window->size(), size) << "fitting lets the frame be resized";
            PlayToTheEnd();
        }
    }
}

// Full screen on the screen the test runs on (ctest runs it on a 3840 x 2160 screen too):
// what the screen shows of the chooser and of each variant mid-game is what a fresh
// paint of the window shows, so the board's own repaints put every pixel in its place.
// F11's menu item goes both ways; Escape leaves full screen unless the game takes it to
// end throwing more.
TEST_F(FittedWindow, FullScreenTheScreenShowsWhatTheWindowPaintsAndEscapeLeavesIt)
{
    QAction* item = window->Menu().mnuFullScreen;
    ASSERT_TRUE(item->isCheckable());
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F11));
    const auto fullScreen = [&](bool expected) {
        EXPECT_EQ(window->FullScreen(), expected);
        EXPECT_EQ(item->isChecked(), expected);
    };
    item->trigger();
    fullScreen(true);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    fullScreen(false); // nothing takes Escape without a game
    item->trigger();
    QCoreApplication::processEvents();
    QScreen& screen = *window->screen();
    EXPECT_EQ(window->geometry(), screen.geometry());
    const QString size =
        QStringLiteral("%1x%2").arg(screen.size().width()).arg(screen.size().height());
    // A card may still settle for a moment after the turn comes; the screen must follow.
    const auto compare = [&](const QString& shown) {
        QImage painted, onScreen;
        for (int wait = 0; wait < 50 && (wait == 0 || onScreen != painted); ++wait) {
            QTest::qWait(wait == 0 ? 0 : 20);
            painted = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
            onScreen = screen.grabWindow(window->winId()).toImage().convertToFormat(
                QImage::Format_RGB32);
        }
        EXPECT_EQ(onScreen.size(), painted.size());
        EXPECT_TRUE(onScreen == painted) << shown.toStdString();
        SaveArtifact(onScreen, QStringLiteral("full-screen-%1-%2.png").arg(size, shown));
    };
    compare(QStringLiteral("chooser"));
    int taken = 0; // Escapes that ended throwing more
    for (int kind : ProgramGames().Built()) {
        Start(kind);
        for (int move = 0; move < 5 && Game(); ++move)
            ASSERT_NO_FATAL_FAILURE(ClickHintedCard());
        ASSERT_NE(Game(), nullptr);
        compare(TGameKinds::Name(kind).toLower());
        // Escape now, then where the game takes it to end throwing more, if it comes.
        for (int move = 0; move < 30 && Game(); ++move) {
            const bool takes = Game()->EndsOnRightPress();
            if (move > 0 && !takes) {
                ASSERT_NO_FATAL_FAILURE(ClickHintedCard());
                continue;
            }
            QTest::keyClick(Game()->Board, Qt::Key_Escape);
            QCoreApplication::processEvents();
            fullScreen(takes);
            if (!takes)
                item->trigger();
            fullScreen(true);
            AwaitTurn();
            if (takes) {
                ++taken;
                break;
            }
        }
        if (Game()) {
            ASSERT_TRUE(window->EndCurrentGame());
            PumpWhile([this] { return Game() != nullptr; });
        }
    }
    EXPECT_GT(taken, 0);
    item->trigger();
    fullScreen(false);
}

TEST_F(FittedWindow, TheWindowComesBackAsItWasLeftAndOnTheScreen)
{
    window->setGeometry(40, 50, 700, 500);
    QCoreApplication::processEvents();
    const TWindowPlacement left = window->Placement();
    EXPECT_EQ(QRect(left.Left, left.Top, left.Width, left.Height), QRect(40, 50, 700, 500));
    const QRect screen = window->screen()->availableGeometry();

    struct TCase {
        TWindowPlacement Kept;
        QRect Expected; // null: only "inside the screen"
        bool Maximized, FullScreen;
    };
    const TCase cases[] = {
        {left, QRect(40, 50, 700, 500), false, false},
        {{-9000, -9000, 800, 600}, QRect(screen.topLeft(), QSize(800, 600)), false, false},
        {{0, 0, 99999, 99999, wsNormal}, screen, false, false},
        {{20, 20, 800, 600, wsMaximized}, {}, true, false},
        {{20, 20, 800, 600, wsFullScreen}, {}, false, true},
    };
    for (const TCase& c : cases) {
        NewWindow();
        window->Settings().Zoom = FitToWindow;
        window->Settings().Window = c.Kept;
        window->ShowAsLeft();
        QCoreApplication::processEvents();
        // The platform may still push the client by its frame's width.
        const int frame = 4;
        if (!c.Expected.isNull()) {
            EXPECT_EQ(window->size(), c.Expected.size());
            EXPECT_LE((window->pos() - c.Expected.topLeft()).manhattanLength(), frame);
        }
        EXPECT_TRUE(
            screen.adjusted(-frame, -frame, frame, frame).contains(window->normalGeometry()))
            << c.Kept.Left;
        EXPECT_EQ(window->isMaximized(), c.Maximized);
        EXPECT_EQ(window->FullScreen(), c.FullScreen);
        EXPECT_EQ(window->Placement().State, c.Kept.State);
    }
}

} // namespace
