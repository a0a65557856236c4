// Rules and Contents from the main window's menus, toolbar and F1, and what they say
// without a help viewer or without chmlib.
#include "support/MainWindowFixture.h"

#include "Commons.h"
#include "Help.h"
#include "HelpWindow.h"
#include "MainMenu.h"
#include "MainToolBar.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

const QString HelpFile = QStringLiteral(ZELMO_HELP_FILE);

class HelpCommandsTest : public MainWindowFixture {
protected:
    void UseBuiltHelp() { window->SetHelp(std::make_unique<THtmlHelp>(HelpFile)); }
    // The page the help window shows, or empty while no help window has opened.
    QString Shown() const
    {
        const THelpWindow* help = window->Help() ? window->Help()->Window() : nullptr;
        if (!help || !help->isVisible())
            return {};
        return help->CurrentAddress().mid(HelpFile.size());
    }
    bool RulesEnabled() const
    {
        const bool on = window->Menu().mnuRules->isEnabled();
        EXPECT_EQ(window->ToolBar().btnRules->isEnabled(), on);
        return on;
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

} // namespace

TEST_F(HelpCommandsTest, WithoutAViewerOrWithoutChmLibTheCommandsSayWhyAndTheGameGoesOn)
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

TEST_F(HelpCommandsTest, RulesOpenThePageOfTheGameRunningNowAndWithoutAGameNothing)
{
    // The viewer is made at start-up for the file beside the program.
    ASSERT_NE(window->Help(), nullptr);
    EXPECT_EQ(window->Help()->HelpFile(), AppDir + "kelvash.chm");
    EXPECT_FALSE(window->Help()->LibraryLoaded()) << "chmlib waits for the first page";
    UseBuiltHelp();
    ShowWindow();
    const auto pressF1 = [this] {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F1);
    };
    EXPECT_FALSE(RulesEnabled());
    pressF1();
    window->Rules();
    EXPECT_EQ(window->Help()->Window(), nullptr) << "no page was asked for";
    window->Menu().mnuContents->trigger();
    EXPECT_EQ(Shown(), "::/index.html");

    Start(0);
    EXPECT_TRUE(RulesEnabled()) << "Rules go with the game commands";
    window->Menu().mnuRules->trigger();
    EXPECT_EQ(Shown(), "::/mover.html");
    Start(1);
    window->ToolBar().btnRules->trigger();
    EXPECT_EQ(Shown(), "::/heap.html");
    Start(2);
    pressF1();
    EXPECT_EQ(Shown(), "::/round.html");
    EXPECT_EQ(window->Help()->Window()->windowTitle(), "Christmas Zelmo Help");
    window->EndGame();
    Pump();
    EXPECT_FALSE(RulesEnabled());
}

