// The program's window. With "Fit to window": whole games played by clicks at a wide and
// a tall size, where the test works out itself where a card shows; the focus ring and the
// accessible rectangles there; the table size changed in the middle of a game; full
// screen, also on a 4K screen; and the window kept and brought back onto the screen. At
// the device pixel ratio the process runs at (ctest runs those under QT_SCALE_FACTOR 1.5,
// 2 and 3 too): the chooser and each variant after some moves. And everything a screen
// reader can land on has a name. And each variant played to its end by keys after one
// click, closed from the real game-over box.
#include "About.h"
#include "Artifacts.h"
#include "Board.h"
#include "CardNames.h"
#include "Chooser.h"
#include "FocusRing.h"
#include "HoverImage.h"
#include "KeyboardPlay.h"
#include "MainMenu.h"
#include "ProgramGames.h"
#include "Statistics.h"
#include "TableSize.h"
#include "support/ProgramWindow.h"

#include <QAccessible>
#include <QAction>
#include <QCryptographicHash>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <set>

namespace {

constexpr int Cards = 36;

// The screen's picture of the window once its repaints are done, which must be what a
// fresh paint shows: the offscreen screen hands out the part of the window it holds, all
// of it in full screen. A card may still settle for a moment after the turn comes.
QImage ScreenShowsThePaint(QWidget& window, const QString& name)
{
    const auto rgb = [](const QImage& image) {
        return image.convertToFormat(QImage::Format_RGB32);
    };
    QImage painted, onScreen;
    for (int wait = 0; wait < 50 && (wait == 0 || onScreen != painted); ++wait) {
        QTest::qWait(wait == 0 ? 0 : 20);
        onScreen = rgb(window.screen()->grabWindow(window.winId()).toImage());
        painted = rgb(window.grab().toImage()).copy(onScreen.rect());
    }
    EXPECT_FALSE(onScreen.isNull());
    EXPECT_TRUE(onScreen == painted) << name.toStdString();
    SaveArtifact(onScreen, name);
    return onScreen;
}

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

    // For a click where the test works out that the hint's card shows.
    const std::function<QPoint(QPointF)> fitted = [this](QPointF p) { return Shown(p).toPoint(); };

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
            ASSERT_NE(StartFromLabel(kind, 4242), nullptr);
            EXPECT_EQ(Board().TableWidth(), GameAreaWidth);
            EXPECT_EQ(Board().TableHeight(), GameAreaHeight);
            ASSERT_NO_FATAL_FAILURE(CheckFocusedCard());
            for (int move = 0; move < 5; ++move)
                ASSERT_NO_FATAL_FAILURE(ClickHintedCard(fitted));
            SaveArtifact(
                window->grab().toImage(),
                QStringLiteral("fit-%1-%2.png").arg(tag, TGameKinds::Name(kind).toLower()));
            ASSERT_NO_FATAL_FAILURE(CheckEveryTableSize());
            window->resize(size);
            QCoreApplication::processEvents();
            EXPECT_EQ(window->size(), size) << "fitting lets the frame be resized";
            for (int move = 0; move < 400 && Game(); ++move)
                ASSERT_NO_FATAL_FAILURE(ClickHintedCard(fitted));
            EXPECT_EQ(Game(), nullptr) << "the game did not end";
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
    const QScreen& screen = *window->screen();
    EXPECT_EQ(window->geometry(), screen.geometry());
    const QSize whole = window->grab().size();
    const QString shots = QStringLiteral("full-screen-%1x%2-%3.png")
                              .arg(screen.size().width())
                              .arg(screen.size().height());
    const auto compare = [&](const QString& shown) {
        EXPECT_EQ(ScreenShowsThePaint(*window, shots.arg(shown)).size(), whole);
    };
    compare(QStringLiteral("chooser"));
    int taken = 0; // Escapes that ended throwing more
    for (int kind : ProgramGames().Built()) {
        ASSERT_NE(StartFromLabel(kind, 4242), nullptr);
        for (int move = 0; move < 5 && Game(); ++move)
            ASSERT_NO_FATAL_FAILURE(ClickHintedCard(fitted));
        ASSERT_NE(Game(), nullptr);
        compare(TGameKinds::Name(kind).toLower());
        // Escape now, then where the game takes it to end throwing more, if that comes.
        bool takes = false;
        for (int move = 0; move < 30 && Game() && !takes; ++move) {
            takes = Game()->EndsOnRightPress();
            if (move > 0 && !takes) {
                ASSERT_NO_FATAL_FAILURE(ClickHintedCard(fitted));
                continue;
            }
            QTest::keyClick(Game()->Board, Qt::Key_Escape);
            QCoreApplication::processEvents();
            fullScreen(takes);
            if (!takes)
                item->trigger();
            fullScreen(true);
            AwaitTurn();
        }
        taken += takes;
        EndTheGame();
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

    // What was kept and where the window comes back, or null for "inside the screen".
    const std::pair<TWindowPlacement, QRect> cases[] = {
        {left, QRect(40, 50, 700, 500)},
        {{-9000, -9000, 800, 600}, QRect(screen.topLeft(), QSize(800, 600))},
        {{0, 0, 99999, 99999, wsNormal}, screen},
        {{20, 20, 800, 600, wsMaximized}, {}},
        {{20, 20, 800, 600, wsFullScreen}, {}},
    };
    for (const auto& [kept, expected] : cases) {
        NewWindow();
        window->Settings().Zoom = FitToWindow;
        window->Settings().Window = kept;
        window->ShowAsLeft();
        QCoreApplication::processEvents();
        // The platform may still push the client by its frame's width.
        const int frame = 4;
        if (!expected.isNull()) {
            EXPECT_EQ(window->size(), expected.size());
            EXPECT_LE((window->pos() - expected.topLeft()).manhattanLength(), frame);
        }
        EXPECT_TRUE(
            screen.adjusted(-frame, -frame, frame, frame).contains(window->normalGeometry()))
            << kept.Left;
        EXPECT_EQ(window->isMaximized(), kept.State == wsMaximized);
        EXPECT_EQ(window->FullScreen(), kept.State == wsFullScreen);
        EXPECT_EQ(window->Placement().State, kept.State);
    }
}

using ScaledWindow = ProgramWindowFixture;

qreal Ratio() { return qApp->devicePixelRatio(); }

std::string Digest(const QImage& image)
{
    // Lines of 32-bit pixels need no padding: the bytes are the pixels alone.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QByteArrayView pixels(rgb.constBits(), rgb.sizeInBytes());
    const QByteArray hash = QCryptographicHash::hash(pixels, QCryptographicHash::Sha256);
    return hash.toHex().left(16).toStdString();
}

// The pictures of the window at ratio 1 before high-DPI drawing existed.
const char* const BoardAtOne[] = {"85500463a5536fd5", "76bee48117833742", "bfd56b50a77ff76c"};
const char* const ChooserAtOne = "ffe7893313cbeafe";

// The chooser, and each variant after three moves made by clicks on the cards the hint
// names, each on the same deal at every ratio.
TEST_F(ScaledWindow, ChooserAndEveryVariantMidGame)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QString ratio = QString::number(Ratio()) + "x";
    const QImage chooser = window->Chooser().grab().toImage();
    SaveArtifact(chooser, QStringLiteral("chooser-%1.png").arg(ratio));
    EXPECT_EQ(chooser.size(), (QSizeF(window->Chooser().size()) * Ratio()).toSize());
    if (Ratio() == 1) {
        EXPECT_EQ(Digest(chooser), ChooserAtOne);
    }
    for (int kind : ProgramGames().Built()) {
        const QString name = TGameKinds::Name(kind).toLower();
        SCOPED_TRACE(name.toStdString());
        ASSERT_NE(StartFromLabel(kind, 4242), nullptr);
        for (int move = 0; move < 3; ++move)
            ASSERT_NO_FATAL_FAILURE(ClickHintedCard()) << "move " << move;
        ASSERT_NE(window->Game(), nullptr);
        const QImage board = window->Game()->Board->grab().toImage();
        ScreenShowsThePaint(*window, QStringLiteral("%1-screen-%2.png").arg(name, ratio));
        SaveArtifact(window->grab().toImage(), QStringLiteral("%1-%2.png").arg(name, ratio));
        if (Ratio() == 1) {
            EXPECT_EQ(Digest(board), BoardAtOne[kind]);
        }
        EndTheGame();
    }
}

// What a reader must be able to call by name.
const std::set<QAccessible::Role> Named{
    QAccessible::PushButton, QAccessible::ButtonMenu,  QAccessible::ButtonDropDown,
    QAccessible::CheckBox,   QAccessible::RadioButton, QAccessible::MenuItem,
    QAccessible::Graphic,    QAccessible::Canvas,      QAccessible::PageTab};

// The paths of the interfaces below iface whose role asks for a name and that have none.
void Unnamed(QAccessibleInterface* iface, const std::string& path, std::vector<std::string>& found)
{
    if (iface->state().invisible)
        return;
    const std::string here = path + "/" + std::to_string(iface->role());
    if (Named.count(iface->role()) && iface->text(QAccessible::Name).trimmed().isEmpty())
        found.push_back(here);
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* child = iface->child(i))
            Unnamed(child, here, found);
}

std::vector<std::string> Unnamed(QWidget& widget)
{
    widget.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
    std::vector<std::string> found;
    Unnamed(QAccessible::queryAccessibleInterface(&widget), widget.objectName().toStdString(),
            found);
    return found;
}

using AccessibleNames = ProgramWindowFixture;

// Buttons, menu items, pictures, the chooser's labels and figures, the card table.
TEST_F(AccessibleNames, TheMainWindowWithAndWithoutAGameAndTheDialogsNameEverything)
{
    EXPECT_EQ(Unnamed(*window), std::vector<std::string>{}) << "the chooser";
    // The chooser's labels and figures are plain widgets: the walk does not ask them.
    for (int kind = 0; kind < TChooser::KindCount; ++kind) {
        QWidget* label = window->Chooser().NameLabel(kind);
        QWidget* figure = window->Chooser().findChild<QWidget*>(label->objectName() + "Assistant");
        ASSERT_NE(figure, nullptr);
        for (QWidget* part : {label, figure})
            EXPECT_EQ(QAccessible::queryAccessibleInterface(part)->text(QAccessible::Name),
                      TGameKinds::Name(kind));
    }
    ASSERT_NE(StartGame(0), nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(Unnamed(*window), std::vector<std::string>{}) << "with a game";
    TFGameOver gameOver;
    TFAbout about;
    for (QWidget* dialog : std::initializer_list<QWidget*>{&gameOver, &about})
        EXPECT_EQ(Unnamed(*dialog), std::vector<std::string>{})
            << dialog->metaObject()->className();
}

// The window with the real variants, each played to its end on the manual clock: chosen
// from the chooser, one move made by a click, the rest by key presses alone, and closed
// from the real game-over box.
// A variant and the seed of its deal; the first Mover game of seed 1822392 goes round in
// circles until the same position comes round the third time.
struct TDealt {
    int Kind;
    uint32_t Seed = 77;
};

class WholeGame : public ProgramWindowFixture, public ::testing::WithParamInterface<TDealt> {
protected:
    void Key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window->Game()->Board, Qt::Key(key), modifiers);
    }
    // The card a press on which does what the hint's card means: a table card stands
    // for the whole table, where any press takes.
    static TCard* Stop(TZelmoGame& game, TCard* hinted)
    {
        const std::vector<TCard*> stops = game.PressableCards();
        if (!hinted || std::find(stops.begin(), stops.end(), hinted) != stops.end())
            return hinted;
        for (TCard* stop : stops)
            if (stop->Pile() == hinted->Pile())
                return stop;
        return nullptr;
    }
    // One move by keys; false when the keys could not reach the hint's card.
    bool MoveByKeys()
    {
        TZelmoGame& game = *window->Game();
        TKeyboardPlay& keysPlay = *game.Keys();
        TCard* hinted = game.HintCard();
        const int button = game.PickedButton;
        if (!hinted && button == mbRight && game.EndsOnRightPress()) {
            Key(Qt::Key_Escape);
            return true;
        }
        // With nothing to aim at (Round's circle, nothing to capture) any press will do.
        TCard* target = hinted ? Stop(game, hinted) : keysPlay.Focused();
        if (!target)
            return false;
        if (!keysPlay.KeyMode())
            Key(Qt::Key_Right);
        for (int i = 0; i < 40 && keysPlay.Focused() != target; ++i)
            Key(Qt::Key_Right);
        if (keysPlay.Focused() != target)
            return false;
        // The status line names the card the keys would press.
        EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(CardName(*target)))
            << window->statusBar()->currentMessage().toStdString();
        Key(Qt::Key_Return, button == mbRight ? Qt::ShiftModifier : Qt::NoModifier);
        return true;
    }
};

// One move by a click on the card the hint shows, then each move the hint's choice,
// reached with Right and pressed with Enter, Shift+Enter or Escape, the status line
// following the focus; the result the real game-over box showed is the one counted.
TEST_P(WholeGame, IsPlayedToItsEndByKeysEndsInTheChooserAndCountsTheResult)
{
    const int kind = GetParam().Kind;
    const QString caption = "Christmas Zelmo - " + TGameKinds::Name(kind);
    QTemporaryDir dir;
    const TStatisticsStore store(dir.filePath(QStringLiteral("store.conf")));
    window->SetStatisticsStore(store);
    const TClosingGameOver gameOver(
        *window, [kind] { return TGameKinds::Name(kind).toLower() + "-game-over.png"; });
    window->SetConfirm([](QWidget*, const QString&) {
        ADD_FAILURE() << "a finished game is ended without a question";
        return true;
    });
    ASSERT_NE(StartFromLabel(kind, GetParam().Seed), nullptr);
    EXPECT_EQ(window->windowTitle(), caption);
    ClickHintedCard();
    int moves = 0;
    while (AwaitTurn() && moves < 2000) {
        ASSERT_TRUE(MoveByKeys()) << "the hint's card is not a key stop in state "
                                  << window->Game()->State;
        ++moves;
    }
    EXPECT_GT(moves, 10);
    EXPECT_EQ(window->Game(), nullptr) << "freed after Close";
    EXPECT_EQ(gameOver.Shown, 1);
    EXPECT_EQ(window->windowTitle(), caption);
    EXPECT_FALSE(window->Menu().mnuEndgame->isEnabled());
    const TPlayerRecord record = store.Load(TGameKinds::Name(kind));
    EXPECT_EQ(record.Played(), 1);
    EXPECT_EQ(record.Won, gameOver.Result == TFGameOver::ResultText(grHumanWins));
    EXPECT_EQ(record.Lost, gameOver.Result == TFGameOver::ResultText(grCpuWins));
    EXPECT_EQ(record.Drawn, gameOver.Result == TFGameOver::ResultText(grDraw));
    if (GetParam().Seed != 77) {
        EXPECT_EQ(record.Drawn, 1);
        EXPECT_EQ(gameOver.StatusLine, "The same position came round three times: a draw.");
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBuiltVariant, WholeGame,
                         ::testing::Values(TDealt{0}, TDealt{1}, TDealt{2}, TDealt{0, 1822392}),
                         [](const auto& info) {
                             return TGameKinds::Name(info.param.Kind).toStdString() +
                                    (info.param.Seed == 77 ? "" : "GoingRound");
                         });

} // namespace
