// The chooser's labels and figures, and what the status bar shows for them and the board.
#include "support/MainWindowFixture.h"

#include "Artifacts.h"
#include "Chooser.h"
#include "HoverImage.h"
#include "MainMenu.h"
#include "MainToolBar.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

class ChooserTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MakeWindow({0});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    THoverImage& Label(int kind) const { return *window->Chooser().NameLabel(kind); }
    QWidget& Figure(int kind) const
    {
        return *window->Chooser().findChild<QWidget*>(Label(kind).objectName() + "Assistant");
    }
    // Where a widget's centre lies in the window.
    QPoint Centre(const QWidget& widget) const
    {
        return widget.mapTo(window.get(), widget.rect().center());
    }
    void MoveTo(const QWidget& widget) { QTest::mouseMove(window.get(), Centre(widget)); }
    // Onto the status bar, away from chooser and board.
    void MoveAway() { QTest::mouseMove(window.get(), QPoint(5, window->height() - 5)); }
};

TEST_F(ChooserTest, LayoutMatchesTheWindowPlan)
{
    EXPECT_EQ(window->centralWidget()->size(), QSize(607, 375));
    EXPECT_EQ(window->ToolBar().height(), 32);
    EXPECT_EQ(window->statusBar()->height(), 19);
    EXPECT_EQ(window->height() - window->menuBar()->height(), 426);
    EXPECT_EQ(window->Chooser().size(), QSize(607, 375));
    EXPECT_EQ(Label(0).geometry(), QRect(164, 282, 71, 33)) << "163, 281 inside the border";
    EXPECT_EQ(Figure(2).geometry(), QRect(401, 185, 65, 76));
    const auto* title = window->Chooser().findChild<QLabel*>("Label1");
    EXPECT_EQ(title->text(), "Select a gift from under the tree to play game");
    EXPECT_TRUE(title->font().bold());
    SaveArtifact(window->grab().toImage(), "shell-chooser-offscreen.png");
}

TEST_F(ChooserTest, AFigureLightsItsLabelAndShowsItsHint)
{
    MoveAway();
    EXPECT_FALSE(Label(0).Hovered());

    MoveTo(Figure(0));
    EXPECT_TRUE(Label(0).Hovered());
    EXPECT_EQ(StatusText(), "Mover Zelmo -- the most popular");
    SaveArtifact(window->grab().toImage(), "shell-chooser-hover-offscreen.png");

    MoveTo(Label(0));
    EXPECT_TRUE(Label(0).Hovered()) << "from the figure onto its label";
    MoveAway();
    EXPECT_FALSE(Label(0).Hovered());
}

TEST_F(ChooserTest, ClicksOnALabelOrItsFigureStartThatKind)
{
    QTest::mouseClick(&Figure(0), Qt::LeftButton);
    Pump();
    ASSERT_EQ(log.kinds, std::vector<int>{0});
    window->EndCurrentGame();
    Pump();

    QTest::mouseClick(&Label(0), Qt::LeftButton);
    Pump();
    EXPECT_EQ(log.kinds, (std::vector<int>{0, 0}));
}

TEST_F(ChooserTest, KindsNotBuiltStayVisibleButDoNothing)
{
    for (int kind : {1, 2}) {
        EXPECT_TRUE(Label(kind).isVisible());
        EXPECT_FALSE(Label(kind).isEnabled());
        EXPECT_FALSE(window->Menu().KindItem(kind)->isEnabled());
        EXPECT_FALSE(window->ToolBar().KindItem(kind)->isEnabled());
        MoveTo(Figure(kind));
        EXPECT_FALSE(Label(kind).Hovered());
        QTest::mouseClick(&Figure(kind), Qt::LeftButton);
        QTest::mouseClick(&Label(kind), Qt::LeftButton);
    }
    Pump();
    EXPECT_EQ(log.made, 0);
}

TEST_F(ChooserTest, TheStatusLineFollowsTheBoardWhileThePointerRestsOnIt)
{
    TFakeGame* game = Start(0);
    game->Board->SetHint("Click your card to move");
    QTest::mouseMove(game->Board, game->Board->rect().center());
    EXPECT_EQ(StatusText(), "Click your card to move") << "shown on entering";

    game->Board->SetHint("Waiting until CPU moves");
    EXPECT_EQ(StatusText(), "Waiting until CPU moves");

    window->statusBar()->showMessage("elsewhere");
    MoveAway();
    game->Board->SetHint("Click your card to defend");
    EXPECT_NE(StatusText(), "Click your card to defend") << "not while the pointer is away";
}
