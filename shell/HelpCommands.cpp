// The Help menu's commands: rules of the running game, the help's start page, the
// about box and the home page.
#include "UMain.h"

#include "About.h"
#include "Help.h"
#include "MainMenu.h"
#include "MainToolBar.h"
#include "MessageBoxes.h"

#include <QAction>
#include <QDesktopServices>
#include <array>

void TFMain::ConnectHelpCommands()
{
    const TMainMenu& m = *menu;
    for (QAction* rules : {m.mnuRules, ToolBar1->btnRules})
        connect(rules, &QAction::triggered, this, &TFMain::Rules);
    connect(m.mnuContents, &QAction::triggered, this, &TFMain::Contents);
    connect(m.mnuAbout, &QAction::triggered, this, &TFMain::ShowAbout);
    connect(m.mnuHomepage, &QAction::triggered, this, &TFMain::OpenHomePage);
    // Contents and the home page work at any time, Rules go with the game commands and
    // About waits for its box.
    m.mnuAbout->setEnabled(aboutBox != nullptr);
}

namespace {

// The rules page of each game kind.
QString RulesPage(int kind)
{
    static const std::array<QString, TGameKinds::Count> pages{
        QStringLiteral("mover.html"), QStringLiteral("heap.html"), QStringLiteral("round.html")};
    return TGameKinds::IsKind(kind) ? pages[size_t(kind)] : QString();
}

void ReportNoHelp(QWidget* parent)
{
    ShowMessage(TFMain::tr("Could not initialize HTML Help. Make sure you have Microsoft "
                           "Internet Explorer 4.0 or greater installed"),
                parent);
}

} // namespace

void TFMain::Rules()
{
    if (!FHelp) {
        ReportNoHelp(this);
        return;
    }
    if (FGame && TGameKinds::IsKind(FGameKind))
        FHelp->ShowPage(RulesPage(FGameKind), this);
}

void TFMain::Contents()
{
    if (!FHelp) {
        ReportNoHelp(this);
        return;
    }
    FHelp->ShowPage(QString(), this);
}

void TFMain::SetHelp(std::unique_ptr<THtmlHelp> help)
{
    FHelp = std::move(help);
}

void TFMain::SetAboutBox(QDialog* box)
{
    aboutBox = box;
    menu->mnuAbout->setEnabled(box != nullptr);
}

void TFMain::ShowAbout()
{
    if (aboutBox) aboutBox->exec();
}

void TFMain::OpenHomePage()
{
    QDesktopServices::openUrl(HomePageUrl());
}
