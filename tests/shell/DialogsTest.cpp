// The about box's links, what they open and how they answer the pointer; the game-over
// box's results, answers and pictures.
#include "About.h"
#include "AboutLinkLabel.h"
#include "Artifacts.h"
#include "GameOver.h"
#include "GradientButton.h"
#include "Random.h"
#include "support/MainWindowFixture.h"

#include <QEnterEvent>
#include <QLabel>
#include <QTimer>
#include <QUrlQuery>

namespace {

TEST(AboutTest, LinksOpenTheHomePageAndANewMailAndLightUpUnderThePointer)
{
    TFAbout about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    TUrlRecorder desktop;

    for (TLinkLabel* link : {about.lblHomepage, about.lblMail}) {
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_FALSE(link->font().underline());
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(link, &enter);
        EXPECT_TRUE(link->font().underline());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(link, &leave);
        EXPECT_FALSE(link->font().underline());
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
    }
    // A right click opens nothing.
    QTest::mouseClick(about.lblHomepage, Qt::RightButton, {}, QPoint(3, 3));

    ASSERT_EQ(desktop.Opened.size(), 2u);
    EXPECT_EQ(desktop.Opened[0], HomePageUrl());
    EXPECT_EQ(about.lblHomepage->text(), HomePageUrl().toString());
    const QUrl mail = desktop.Opened[1];
    EXPECT_EQ(mail.scheme(), "mailto");
    EXPECT_EQ(mail.path(), FeedbackAddress());
    EXPECT_EQ(QUrlQuery(mail).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              "Christmas Zelmo -- Feedback");
    EXPECT_EQ(about.lblMail->text(), FeedbackAddress());
    SaveArtifact(about.grab().toImage(), QStringLiteral("about-box.png"));
}

// Answers the box once it is up.
int Answer(TFGameOver& box, int result, std::function<void()> answer)
{
    QTimer::singleShot(0, &box, [&box, answer] {
        EXPECT_TRUE(box.isVisible());
        answer();
    });
    return box.ShowResult(result);
}

TEST(GameOver, EachResultIsShownAndTheButtonsAndTheCloseBoxAnswer)
{
    SetRandSeed(5);
    TFGameOver box;
    const std::tuple<int, const char*, const char*> results[] = {
        {grDraw, "Draw", "gameover-draw.png"},
        {grHumanWins, "You win", "gameover-win.png"},
        {grCpuWins, "Computer wins", "gameover-loss.png"}};
    for (const auto& [result, text, shotName] : results) {
        QImage shot;
        const auto again = [&] {
            shot = box.grab().toImage();
            box.btnAgain->click();
        };
        EXPECT_EQ(Answer(box, result, again), goPlayAgain);
        EXPECT_EQ(box.lblResult->text(), text);
        ASSERT_EQ(shot.size(), QSize(273, 178));
        SaveArtifact(shot, shotName);
    }
    EXPECT_EQ(Answer(box, grDraw, [&box] { box.btnMenu->click(); }), goClose);
    EXPECT_EQ(Answer(box, grDraw, [&box] { box.close(); }), goClose);
    EXPECT_EQ(Answer(box, grDraw, [&box] { box.reject(); }), goClose) << "Escape";
}

} // namespace
