// Rules and Contents from the main window's menus, toolbar and F1.
#include "support/MainWindowFixture.h"

#include "Commons.h"
#include "Help.h"
#include "HelpWindow.h"
#include "MainMenu.h"
#include "MainToolBar.h"

#include <QAction>

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

} // namespace

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

