// Starting a game from the chooser, ending and freeing it, with the question and the
// caption on the way; hint, autoplay and their shortcuts; Rules and Contents from the
// menus, the toolbar and F1, and what they say without a help viewer or without chmlib.
// Real games stopped at any moment, inside their handlers too, are StopsTest's.
#include "support/MainWindowFixture.h"

#include "Chooser.h"
#include "Clock.h"
#include "Commons.h"
#include "EventSpy.h"
#include "Help.h"
#include "HelpWindow.h"
#include "HoverImage.h"
#include "MainMenu.h"
#include "MainToolBar.h"
#include "Messages.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

const QString HelpFile = QStringLiteral(ZELMO_HELP_FILE);

class CommandsTest : public MainWindowFixture {
protected:
    bool AutoplayShown() const
    {
        const bool menuMark = window->Menu().mnuAutoplay->isChecked();
        EXPECT_EQ(window->ToolBar().btnAutoplay->isChecked(), menuMark) << "kept in step";
        return menuMark;
    }
    // The page the help window shows, or empty while no help window has opened.
    QString Shown() const
    {
        const THelpWindow* help = window->Help() ? window->Help()->Window() : nullptr;
        if (!help || !help->isVisible())
            return {};
        return help->CurrentAddress().mid(HelpFile.size());
    }
};

// Runs the action and answers the message box it shows with its first button; the box
// as "title | text | icon | buttons", empty when none showed.
QString AnswerBoxDuring(const std::function<void()>& action)
{
    QString seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        QStringList buttons;
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        seen = QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                           buttons.join(u',')}
                   .join(" | ");
        box->buttons().front()->click();
    });
    watch.start(5);
    action();
    return seen;
}

// End game, Hint, Autoplay and Rules, in the menu and on the toolbar, go with the game.
TEST_F(CommandsTest, AGameStartsAndOnYesStopsAndIsFreedOnceWhateverNoticesFollow)
{
    EXPECT_FALSE(CommandsEnabled());
    TFakeGame* game = Start(1);
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(window->Game(), game);
    EXPECT_EQ(window->windowTitle(), "Christmas Zelmo - Heap");
    EXPECT_TRUE(CommandsEnabled());
    EXPECT_EQ(log.states, std::vector<int>{stNewGame}) << "the new-game state posted once";

    EXPECT_TRUE(window->EndCurrentGame());
    EXPECT_TRUE(game->Stopped);
    EXPECT_EQ(window->windowTitle(), "Christmas Zelmo");
    EXPECT_EQ(log.freed, 0) << "freed only on the notice";
    PostMessage(window.get(), WM_GAMEENDED);
    Pump();

    EXPECT_EQ(questions, 1);
    EXPECT_EQ(window->Game(), nullptr);
    EXPECT_EQ(log.freed, 1) << "the second notice frees nothing";
    EXPECT_FALSE(CommandsEnabled());

    TFakeGame* next = Start(0);
    PostMessage(window.get(), WM_GAMEENDED);
    Pump();
    EXPECT_EQ(window->Game(), next) << "a stray notice does not end the next game";
    EXPECT_TRUE(CommandsEnabled());
}

// A kind that is not built shows its label greyed, unlit under the pointer; neither a
// click nor a message starts it.
TEST_F(CommandsTest, ClicksOnALabelOrItsFigureStartThatKindOnlyIfBuilt)
{
    MakeWindow({0});
    ShowWindow();
    const auto label = [this](int kind) { return window->Chooser().NameLabel(kind); };
    const auto figure = [&](int kind) {
        return window->Chooser().findChild<QWidget*>(label(kind)->objectName() + "Assistant");
    };
    for (int kind : {1, 2, 3, -1})
        PostMessage(window.get(), WM_STARTGAME, kind);
    for (int kind : {1, 2}) {
        EXPECT_TRUE(label(kind)->isVisible());
        EXPECT_FALSE(label(kind)->isEnabled());
        EXPECT_FALSE(window->Menu().KindItem(kind)->isEnabled());
        EXPECT_FALSE(window->ToolBar().KindItem(kind)->isEnabled());
        const QWidget* at = figure(kind);
        QTest::mouseMove(window.get(), at->mapTo(window.get(), at->rect().center()));
        EXPECT_FALSE(label(kind)->Hovered());
    }
    for (QWidget* target :
         {figure(1), static_cast<QWidget*>(label(2)), figure(0), static_cast<QWidget*>(label(0))}) {
        QTest::mouseClick(target, Qt::LeftButton);
        Pump();
        window->EndCurrentGame();
        Pump();
    }
    EXPECT_EQ(log.kinds, (std::vector<int>{0, 0}));
}

// H and A work only while a game runs. The suggested card is painted lit, held so for
// half a second, and lit no more after; nothing is asked or held without a suggestion or
// under autoplay. Autoplay is off in every new game.
TEST_F(CommandsTest, HintLightsTheSuggestedCardForHalfASecondAndAutoplayIsOffInEveryNewGame)
{
    ShowWindow();
    QTest::keyClick(window.get(), Qt::Key_H);
    QTest::keyClick(window.get(), Qt::Key_A);
    EXPECT_EQ(log.chooseCalls, 0);
    EXPECT_FALSE(AutoplayShown());

    TFakeGame* game = Start(0);
    TCard* card = game->OnlyCard;
    std::vector<std::pair<uint32_t, bool>> paints; // when, and whether lit
    const TEventSpy spy(*game->Board, [&](QEvent& e) {
        if (e.type() == QEvent::Paint)
            paints.emplace_back(Clock::TickCount(), card->SelectedCard());
        return false;
    });
    const uint32_t start = Clock::TickCount();
    window->Hint(); // nothing suggested
    game->Suggestion = card;
    window->SetAutoplayCommand(true);
    window->ToolBar().btnHint->trigger();
    EXPECT_EQ(log.chooseCalls, 1) << "not even asked under autoplay";
    EXPECT_EQ(Clock::TickCount(), start) << "no wait";
    EXPECT_TRUE(paints.empty());

    window->SetAutoplayCommand(false);
    window->Menu().mnuHint->trigger();
    ASSERT_FALSE(paints.empty());
    EXPECT_EQ(paints.front(), std::make_pair(start, true)) << "painted lit before the wait";
    EXPECT_EQ(Clock::TickCount() - start, uint32_t(TFMain::HintTime));
    EXPECT_FALSE(card->SelectedCard());
    QCoreApplication::processEvents();
    EXPECT_FALSE(paints.back().second) << "painted unlit after it";
    QTest::keyClick(window.get(), Qt::Key_H);
    EXPECT_EQ(log.chooseCalls, 3) << "H without a modifier";

    // A, the menu and the button switch the same autoplay.
    const std::function<void()> switches[] = {
        [this] { QTest::keyClick(window.get(), Qt::Key_A); },
        [this] { window->Menu().mnuAutoplay->trigger(); },
        [this] { window->ToolBar().btnAutoplay->trigger(); },
    };
    bool expected = false;
    for (const auto& flip : switches) {
        flip();
        expected = !expected;
        EXPECT_EQ(game->Autoplay, expected);
        EXPECT_EQ(AutoplayShown(), expected);
    }
    ASSERT_TRUE(game->Autoplay);
    TFakeGame* next = Start(2);
    EXPECT_FALSE(next->Autoplay);
    EXPECT_FALSE(AutoplayShown());
}

TEST_F(CommandsTest, WithoutAViewerOrWithoutChmLibTheCommandsSayWhyAndTheGameGoesOn)
{
    window->SetHelp(nullptr);
    Start(0);
    for (QAction* command :
         {window->Menu().mnuRules, window->ToolBar().btnRules, window->Menu().mnuContents})
        EXPECT_EQ(AnswerBoxDuring([command] { command->trigger(); }),
                  "Christmas Zelmo | Could not initialize HTML Help. Make sure you have "
                  "Microsoft Internet Explorer 4.0 or greater installed | 0 | OK")
            << command->text().toStdString();

    window->SetHelp(std::make_unique<THtmlHelp>(HelpFile, "libchm-not-installed.so.1"));
    for (QAction* command : {window->Menu().mnuContents, window->Menu().mnuRules})
        EXPECT_EQ(AnswerBoxDuring([command] { command->trigger(); }),
                  "Warning | MS Html Help is not installed on this PC. | 2 | OK")
            << command->text().toStdString();
    EXPECT_EQ(window->Help()->Window(), nullptr);
    EXPECT_TRUE(window->Game()) << "the game goes on";
}

TEST_F(CommandsTest, RulesOpenThePageOfTheGameRunningNowAndWithoutAGameNothing)
{
    // The viewer is made at start-up for the file beside the program.
    ASSERT_NE(window->Help(), nullptr);
    EXPECT_EQ(window->Help()->HelpFile(), AppDir + "kelvash.chm");
    EXPECT_FALSE(window->Help()->LibraryLoaded()) << "chmlib waits for the first page";
    window->SetHelp(std::make_unique<THtmlHelp>(HelpFile));
    const auto pressF1 = [this] {
        ShowWindow(); // back from the help window
        QTest::keyClick(window.get(), Qt::Key_F1);
    };
    pressF1();
    window->Rules();
    EXPECT_EQ(window->Help()->Window(), nullptr) << "no page was asked for";
    window->Menu().mnuContents->trigger();
    EXPECT_EQ(Shown(), "::/index.html");

    Start(0);
    window->Menu().mnuRules->trigger();
    EXPECT_EQ(Shown(), "::/mover.html");
    Start(1);
    window->ToolBar().btnRules->trigger();
    EXPECT_EQ(Shown(), "::/heap.html");
    Start(2);
    pressF1();
    EXPECT_EQ(Shown(), "::/round.html");
    EXPECT_EQ(window->Help()->Window()->windowTitle(), "Christmas Zelmo Help");
}

} // namespace
