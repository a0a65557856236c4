// The about box: its layout and its links; its OK button is in HelpCommandsTest.
#include "About.h"
#include "AboutLinkLabel.h"
#include "Artifacts.h"
#include "GradientButton.h"
#include "support/MainWindowFixture.h"

#include <QEnterEvent>
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

std::string Text(const QString& s)
{
    return s.toStdString();
}

} // namespace

TEST(AboutTest, LayoutTextsAndVersion)
{
    TFAbout about;
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.size(), QSize(516, 309));
    EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "not resizable";

    EXPECT_EQ(about.imgLogo->geometry(), QRect(16, 16, 128, 128));
    EXPECT_FALSE(about.imgLogo->pixmap().isNull());
    EXPECT_FALSE(about.imgLogo->autoFillBackground()) << "the wallpaper shows around the face";
    EXPECT_EQ(about.lineVertical->geometry(), QRect(152, 0, 1, 309));
    EXPECT_EQ(about.lineHorizontal->geometry(), QRect(0, 152, 516, 1));
    EXPECT_EQ(about.lineVertical->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x00));

    EXPECT_EQ(about.lblTitle->text(), "ZELMO");
    EXPECT_EQ(about.lblTitle->pos(), QPoint(168, 8));
    EXPECT_EQ(about.lblTitle->font().pixelSize(), 48);
    EXPECT_EQ(about.lblEdition->text(), "Christmas Edition");
    EXPECT_EQ(about.lblEdition->font().pixelSize(), 15);
    const QFontInfo title(about.lblTitle->font());
    EXPECT_TRUE(title.family() == QLatin1String("Impact") || title.bold()) << Text(title.family());
    EXPECT_GT(about.lblEdition->y(), about.lblTitle->y());
    EXPECT_EQ(about.lblVersion->text(), "Version " ZELMO_PROJECT_VERSION);
    EXPECT_TRUE(about.lblVersion->font().bold());
    EXPECT_GT(about.lblVersion->y(), about.lblEdition->y());

    EXPECT_EQ(about.lblHomepageCaption->text(), "Christmas Zelmo homepage:");
    EXPECT_EQ(about.lblMailCaption->text(), "Author's e-mail:");
    for (QLabel* caption : {about.lblHomepageCaption, about.lblMailCaption}) {
        EXPECT_TRUE(caption->alignment() & Qt::AlignRight);
        EXPECT_LT(caption->geometry().right(), 152);
        EXPECT_LE(QFontMetrics(caption->font()).horizontalAdvance(caption->text()),
                  caption->width())
            << "the whole caption fits";
    }
    EXPECT_EQ(about.lblHomepageCaption->y(), 168);
    EXPECT_EQ(about.lblMailCaption->y(), 232);
    EXPECT_EQ(about.lblHomepage->y(), 168);
    EXPECT_EQ(about.lblMail->y(), 232);
    EXPECT_GT(about.lblHomepage->x(), 152);
    EXPECT_EQ(about.lblQuestions->text(), "If you have any questions, comments or suggestions "
                                          "about Christmas Zelmo, e-mail author:");
    EXPECT_TRUE(about.lblQuestions->wordWrap());
    EXPECT_EQ(about.lblQuestions->width(), 345);
    EXPECT_GT(about.lblQuestions->y(), about.lblHomepage->geometry().bottom());
    EXPECT_LT(about.lblQuestions->geometry().bottom(), about.lblMail->y());
    EXPECT_EQ(about.lblFeedback->text(), "Your feedback will be gladly accepted.");
    EXPECT_GT(about.lblFeedback->y(), about.lblMail->geometry().bottom());

    EXPECT_EQ(about.btnOK->text(), "&OK");
    EXPECT_EQ(about.btnOK->geometry(), QRect(384, 24, 123, 25));
}

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
    EXPECT_EQ(desktop.Opened[0].scheme(), "https");
    EXPECT_EQ(about.lblHomepage->text(), HomePageUrl().toString());
    const QUrl mail = desktop.Opened[1];
    EXPECT_EQ(mail.scheme(), "mailto");
    EXPECT_EQ(mail.path(), FeedbackAddress());
    EXPECT_EQ(QUrlQuery(mail).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              "Christmas Zelmo -- Feedback");
    EXPECT_TRUE(mail.toString(QUrl::FullyEncoded).contains("subject=Christmas%20Zelmo%20--%20Feedback"));
    EXPECT_EQ(about.lblMail->text(), FeedbackAddress());

    SaveArtifact(about.grab().toImage(), QStringLiteral("about-box.png"));
}
