// Everything a screen reader can land on in the main window and the dialogs has a name:
// buttons, menu items, pictures, the chooser's labels and figures, the card table.
#include "About.h"
#include "Chooser.h"
#include "Clock.h"
#include "GameOver.h"
#include "HoverImage.h"
#include "ProgramGames.h"
#include "UMain.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

// What a reader must be able to call by name.
const std::set<QAccessible::Role> Named{
    QAccessible::PushButton, QAccessible::ButtonMenu, QAccessible::ButtonDropDown,
    QAccessible::CheckBox,   QAccessible::RadioButton, QAccessible::MenuItem,
    QAccessible::Graphic,    QAccessible::Canvas,     QAccessible::PageTab};

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
    std::vector<std::string> found;
    Unnamed(QAccessible::queryAccessibleInterface(&widget), widget.objectName().toStdString(), found);
    return found;
}

TEST(AccessibleNames, TheMainWindowWithAGameAndItsMenusNameEverything)
{
    Clock::SetManual(true);
    TFMain window(ProgramGames());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(Unnamed(window), std::vector<std::string>{}) << "the chooser";
    for (int kind = 0; kind < TChooser::KindCount; ++kind) {
        const QString name = TGameKinds::Name(kind);
        THoverImage* label = window.Chooser().NameLabel(kind);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), name);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Description), label->toolTip());
        auto* figure = window.Chooser().findChild<THotArea*>(label->objectName() + "Assistant");
        ASSERT_NE(figure, nullptr);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(figure)->text(QAccessible::Name), name);
    }

    window.ChooseGame(0);
    QCoreApplication::processEvents();
    ASSERT_NE(window.Game(), nullptr);
    EXPECT_EQ(Unnamed(window), std::vector<std::string>{}) << "with a game";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.Game()->Board)->text(QAccessible::Name),
              "Card table");
    window.SetConfirm([](QWidget*, const QString&) { return true; });
    window.EndGame();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.Game(), nullptr);
    Clock::SetManual(false);
}

TEST(AccessibleNames, TheDialogsNameTheirPicturesAndButtons)
{
    TFGameOver gameOver;
    TFAbout about;
    for (QWidget* dialog : std::initializer_list<QWidget*>{&gameOver, &about}) {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        EXPECT_EQ(Unnamed(*dialog), std::vector<std::string>{}) << dialog->metaObject()->className();
        dialog->hide();
    }
}

} // namespace
