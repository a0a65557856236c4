// Everything a screen reader can land on in the main window and the dialogs has a name:
// buttons, menu items, pictures, the chooser's labels and figures, the card table.
#include "About.h"
#include "Chooser.h"
#include "HoverImage.h"
#include "support/ProgramWindow.h"

#include <QAccessible>
#include <QTest>
#include <set>
#include <string>
#include <vector>

namespace {

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

} // namespace
