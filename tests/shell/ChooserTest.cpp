// The chooser's labels and figures: the games they start. Its pixels at ratio 1 are
// held by ScaledWindowTest.
#include "support/MainWindowFixture.h"

#include "Chooser.h"
#include "HoverImage.h"
#include "MainMenu.h"
#include "MainToolBar.h"
#include "Messages.h"

#include <QAction>
#include <QTest>

class ChooserTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MakeWindow({0});
        ShowWindow();
    }

    THoverImage& Label(int kind) const { return *window->Chooser().NameLabel(kind); }
    QWidget& Figure(int kind) const
    {
        return *window->Chooser().findChild<QWidget*>(Label(kind).objectName() + "Assistant");
    }
    void MoveTo(const QWidget& widget)
    {
        QTest::mouseMove(window.get(), widget.mapTo(window.get(), widget.rect().center()));
    }
};

TEST_F(ChooserTest, ClicksOnALabelOrItsFigureStartThatKindOnlyIfBuilt)
{
    for (int kind : {1, 2, 3, -1})
        PostMessage(window.get(), WM_STARTGAME, kind);
    for (int kind : {1, 2}) {
        EXPECT_TRUE(Label(kind).isVisible());
        EXPECT_FALSE(Label(kind).isEnabled());
        EXPECT_FALSE(window->Menu().KindItem(kind)->isEnabled());
        EXPECT_FALSE(window->ToolBar().KindItem(kind)->isEnabled());
        MoveTo(Figure(kind));
        EXPECT_FALSE(Label(kind).Hovered());
    }
    for (QWidget* target :
         std::initializer_list<QWidget*>{&Figure(1), &Label(2), &Figure(0), &Label(0)}) {
        QTest::mouseClick(target, Qt::LeftButton);
        Pump();
        window->EndCurrentGame();
        Pump();
    }
    EXPECT_EQ(log.kinds, (std::vector<int>{0, 0}));
}
