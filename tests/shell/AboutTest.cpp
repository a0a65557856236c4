// The about box's links: what they open and how they answer the pointer.
#include "About.h"
#include "AboutLinkLabel.h"
#include "Artifacts.h"
#include "support/MainWindowFixture.h"

#include <QEnterEvent>
#include <QUrlQuery>

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
