#include "ProgramWindow.h"

#include "AnimationTime.h"
#include "Artifacts.h"
#include "CardImages.h"
#include "Chooser.h"
#include "Clock.h"
#include "GradientButton.h"
#include "HoverImage.h"
#include "Messages.h"
#include "ProgramGames.h"
#include "Random.h"
#include "VariantGame.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

QStringList VariantStatusTexts()
{
    QStringList texts;
    QObject owner;
    for (int kind : ProgramGames().Built()) {
        const auto game = ProgramGames().Make(kind, &owner);
        const auto* variant = dynamic_cast<const TVariantGame*>(game.get());
        for (int state = 0; state < 256 && variant; ++state)
            if (const char* text = variant->StatusText(state))
                texts << QString::fromUtf8(text);
    }
    return texts;
}

void PumpWhile(const std::function<bool()>& condition)
{
    for (int i = 0; i < 200000 && condition(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void ProgramWindowFixture::SetUp()
{
    QApplication::setQuitOnLastWindowClosed(false);
    Clock::SetManual(true);
    answers.Answer = [](int) { return goClose; };
    NewWindow();
}

void ProgramWindowFixture::TearDown()
{
    window.reset();
    Clock::SetManual(false);
    SetAnimationTime(250);
}

void ProgramWindowFixture::NewWindow()
{
    window = std::make_unique<TFMain>(ProgramGames());
    window->SetConfirm([](QWidget*, const QString&) { return true; });
}

TZelmoGame* ProgramWindowFixture::StartGame(int kind)
{
    window->ChooseGame(kind);
    QCoreApplication::sendPostedEvents(window.get(), WM_STARTGAME);
    return window->Game();
}

TZelmoGame* ProgramWindowFixture::StartFromLabel(int kind, uint32_t seed)
{
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::mouseClick(window->Chooser().NameLabel(kind), Qt::LeftButton);
    SetRandSeed(seed);
    QCoreApplication::processEvents();
    AwaitTurn();
    return window->Game();
}

void ProgramWindowFixture::EndTheGame()
{
    if (window->Game()) {
        ASSERT_TRUE(window->EndCurrentGame());
    }
    PumpWhile([this] { return window->Game() != nullptr; });
}

bool ProgramWindowFixture::AwaitTurn()
{
    PumpWhile([this] {
        TZelmoGame* game = window->Game();
        return game && !(game->Waiting && !game->PickPending() && game->Board->MovingCount() == 0);
    });
    return window->Game() != nullptr;
}

namespace {

// A point of the card nothing covers, a pixel of the card on either side so that a
// scaled table's rounding stays on it: the middle when the card shows there.
QPointF VisiblePoint(const TBoard& board, const TCard& card)
{
    const auto shows = [&](int x, int y) {
        return board.CardAt(x, y) == &card && board.CardAt(x + 2, y) == &card;
    };
    const int midX = card.X() + CardWidth / 2, midY = card.Y() + CardHeight / 2;
    if (shows(midX, midY))
        return {midX + 1.5, midY + 0.5};
    for (int y = card.Y(); y < card.Y() + CardHeight; y += 3)
        for (int x = card.X(); x + 2 < card.X() + CardWidth; x += 3)
            if (shows(x, y))
                return {x + 1.5, y + 0.5};
    return {midX + 0.5, midY + 0.5};
}

QPointF BareTable(const TBoard& board)
{
    for (int y = board.TableHeight() / 2; y < board.TableHeight(); y += 7)
        for (int x = 4; x < board.TableWidth(); x += 7)
            if (!board.CardAt(x, y))
                return {x + 0.5, y + 0.5};
    return {};
}

} // namespace

void ProgramWindowFixture::ClickHintedCard(const std::function<QPoint(QPointF)>& shown)
{
    TZelmoGame* game = window->Game();
    ASSERT_NE(game, nullptr);
    TCard* card = game->HintCard();
    const Qt::MouseButton button = game->PickedButton == mbRight ? Qt::RightButton : Qt::LeftButton;
    const QPointF at = card ? VisiblePoint(*game->Board, *card) : BareTable(*game->Board);
    const QPoint pixel(int(at.x()), int(at.y()));
    ASSERT_EQ(game->Board->CardAt(pixel.x(), pixel.y()), card);
    QTest::mouseClick(game->Board, button, {}, shown ? shown(at) : pixel);
    if (card) {
        EXPECT_EQ(game->PickedCard, card) << "the click did not land on the card under the pointer";
    }
    PumpWhile([game] { return game->Waiting && game->Board->MovingCount() == 0; });
    ASSERT_FALSE(game->Waiting && game->Board->MovingCount() == 0)
        << "the hint's card was not taken as a move";
    AwaitTurn();
}

TClosingGameOver::TClosingGameOver(TFMain& window, std::function<QString()> shotName) : box(&window)
{
    QObject::connect(&timer, &QTimer::timeout, [this, &window, shotName] {
        if (!box.isVisible())
            return;
        ++Shown;
        Result = box.lblResult->text();
        StatusLine = window.statusBar()->currentMessage();
        SaveArtifact(box.grab().toImage(), shotName());
        box.btnMenu->click();
    });
    timer.start(10);
}
