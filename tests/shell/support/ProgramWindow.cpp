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
    return window->Game();
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

// The middle of the card if nothing covers it there, else the first spot it shows.
QPoint VisiblePoint(const TBoard& board, const TCard& card)
{
    const QPoint centre(card.X() + CardWidth / 2, card.Y() + CardHeight / 2);
    if (board.CardAt(centre.x(), centre.y()) == &card)
        return centre;
    for (int y = card.Y(); y < card.Y() + CardHeight; y += 3)
        for (int x = card.X(); x < card.X() + CardWidth; x += 3)
            if (board.CardAt(x, y) == &card)
                return {x, y};
    return centre;
}

QPoint BareTable(const TBoard& board)
{
    for (int y = board.height() / 2; y < board.height(); y += 7)
        for (int x = 4; x < board.width(); x += 7)
            if (!board.CardAt(x, y))
                return {x, y};
    return {};
}

} // namespace

void ProgramWindowFixture::ClickHintedCard()
{
    TZelmoGame* game = window->Game();
    ASSERT_NE(game, nullptr);
    TCard* card = game->HintCard();
    const Qt::MouseButton button = game->PickedButton == mbRight ? Qt::RightButton : Qt::LeftButton;
    const QPoint at = card ? VisiblePoint(*game->Board, *card) : BareTable(*game->Board);
    ASSERT_EQ(game->Board->CardAt(at.x(), at.y()), card);
    QTest::mouseClick(game->Board, button, {}, at);
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
