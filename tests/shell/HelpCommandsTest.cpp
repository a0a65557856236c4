// Rules, Contents, About and the home page from the main window's menus and toolbar.
#include "support/MainWindowFixture.h"

#include "About.h"
#include "Commons.h"
#include "GradientButton.h"
#include "Help.h"
#include "HelpWindow.h"
#include "MainMenu.h"
#include "MainToolBar.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <optional>

namespace {

const QString HelpFile = QStringLiteral(ZELMO_HELP_FILE);

struct TBoxSeen {
    QString Title;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QStringList Buttons;
};

// Runs the action and answers the message box it shows, if any, with its first button.
std::optional<TBoxSeen> AnswerBoxDuring(const std::function<void()>& action)
{
    std::optional<TBoxSeen> seen;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        TBoxSeen s{box->windowTitle(), box->text(), box->icon(), {}};
        for (QAbstractButton* button : box->buttons())
            s.Buttons << button->text();
        seen = s;
        box->buttons().front()->click();
    });
    watch.start();
    action();
    return seen;
}

class HelpCommandsTest : public MainWindowFixture {
protected:
    void UseBuiltHelp() { window->SetHelp(std::make_unique<THtmlHelp>(HelpFile)); }
    // The page the help window shows, or empty while no help window has opened.
    QString Shown() const
    {
        const THelpWindow* help = window->Help() ? window->Help()->Window() : nullptr;
        if (!help || !help->isVisible()) return {};
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

TEST(HelpFileLocation, BesideTheProgramFirstThenTheInstalledDataFolder)
{
    QTemporaryDir prefix;
    QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath("bin") && root.mkpath("share/christmas-zelmo"));
    const QString bin = root.filePath("bin");
    const auto touch = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    };
    EXPECT_EQ(FindHelpFile(bin), bin + "/kelvash.chm") << "neither: the name beside the program";
    ASSERT_TRUE(touch(root.filePath("share/christmas-zelmo/kelvash.chm")));
    EXPECT_EQ(FindHelpFile(bin), root.filePath("share/christmas-zelmo/kelvash.chm"));
    ASSERT_TRUE(touch(bin + "/kelvash.chm"));
    EXPECT_EQ(FindHelpFile(bin + "/"), bin + "/kelvash.chm") << "a build tree's own file wins";
}

TEST_F(HelpCommandsTest, RulesOpenThePageOfTheGameRunningNow)
{
    UseBuiltHelp();
    ShowWindow();
    Start(0);
    window->Menu().mnuRules->trigger();
    EXPECT_EQ(Shown(), "::/mover.html");
    Start(1);
    window->ToolBar().btnRules->trigger();
    EXPECT_EQ(Shown(), "::/heap.html");

    // Mover again, then Round through the F1 key.
    Start(0);
    window->ToolBar().btnRules->trigger();
    EXPECT_EQ(Shown(), "::/mover.html");
    Start(2);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(Shown(), "::/round.html");
    EXPECT_EQ(window->Help()->Window()->windowTitle(), "Christmas Zelmo Help");
}

TEST_F(HelpCommandsTest, WithoutAGameRulesDoNothingWhileContentsOpenTheStartPage)
{
    // The viewer is made at start-up for the file beside the program.
    ASSERT_NE(window->Help(), nullptr);
    EXPECT_EQ(window->Help()->HelpFile(), AppDir + "kelvash.chm");
    EXPECT_FALSE(window->Help()->LibraryLoaded()) << "chmlib waits for the first page";
    EXPECT_TRUE(window->Menu().mnuContents->isEnabled());
    EXPECT_TRUE(window->Menu().mnuHomepage->isEnabled());
    UseBuiltHelp();
    ShowWindow();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_FALSE(RulesEnabled());
    QTest::keyClick(window.get(), Qt::Key_F1);
    window->Rules();
    EXPECT_EQ(window->Help()->Window(), nullptr) << "no page was asked for";

    window->Menu().mnuContents->trigger();
    EXPECT_EQ(Shown(), "::/index.html");

    // Rules go with the game commands.
    Start(1);
    EXPECT_TRUE(RulesEnabled());
    window->EndGame();
    Pump();
    EXPECT_FALSE(RulesEnabled());
}

TEST_F(HelpCommandsTest, WithoutAViewerBothCommandsSayHelpCannotWork)
{
    window->SetHelp(nullptr);
    Start(0);
    const QString why = QStringLiteral("Could not initialize HTML Help. Make sure you have "
                                       "Microsoft Internet Explorer 4.0 or greater installed");
    for (QAction* command : {window->Menu().mnuRules, window->ToolBar().btnRules,
                             window->Menu().mnuContents}) {
        const std::optional<TBoxSeen> box = AnswerBoxDuring([command] { command->trigger(); });
        ASSERT_TRUE(box) << command->text().toStdString();
        EXPECT_EQ(box->Title, "Christmas Zelmo");
        EXPECT_EQ(box->Text, why);
        EXPECT_EQ(box->Icon, QMessageBox::NoIcon);
        EXPECT_EQ(box->Buttons, QStringList({"OK"}));
    }
}

TEST_F(HelpCommandsTest, WithoutChmLibAPageRequestWarnsAndOpensNothing)
{
    window->SetHelp(std::make_unique<THtmlHelp>(HelpFile, "libchm-not-installed.so.1"));
    Start(2);
    for (QAction* command : {window->Menu().mnuContents, window->Menu().mnuRules}) {
        const std::optional<TBoxSeen> box = AnswerBoxDuring([command] { command->trigger(); });
        ASSERT_TRUE(box);
        EXPECT_EQ(box->Title, "Warning");
        EXPECT_EQ(box->Text, "MS Html Help is not installed on this PC.");
        EXPECT_EQ(box->Icon, QMessageBox::Warning);
        EXPECT_EQ(box->Buttons, QStringList({"OK"}));
    }
    EXPECT_EQ(window->Help()->Window(), nullptr);
    EXPECT_TRUE(window->Game()) << "the game goes on";
}

TEST_F(HelpCommandsTest, AboutShowsTheAboutBoxAndTheHomePageItemOpensTheHomePage)
{
    EXPECT_FALSE(window->Menu().mnuAbout->isEnabled()) << "nothing to show yet";
    TFAbout about(window.get());
    window->SetAboutBox(&about);
    ASSERT_TRUE(window->Menu().mnuAbout->isEnabled());
    bool shown = false;
    QTimer::singleShot(0, &about, [&] {
        shown = about.isVisible() && about.isModal();
        about.btnOK->click();
    });
    window->Menu().mnuAbout->trigger();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(about.isVisible()) << "OK closes it";

    TUrlRecorder browser;
    window->Menu().mnuHomepage->trigger();
    ASSERT_EQ(browser.Opened.size(), 1u);
    EXPECT_EQ(browser.Opened.front(), HomePageUrl());
}
