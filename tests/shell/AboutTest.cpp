// The about box: its texts, a layout where nothing is cut or overlaps, and its links;
// its OK button is in HelpCommandsTest.
#include "About.h"
#include "AboutLinkLabel.h"
#include "Artifacts.h"
#include "GradientButton.h"
#include "support/MainWindowFixture.h"

#include <QEnterEvent>
#include <QFontInfo>
#include <QLabel>
#include <QUrlQuery>

TEST(AboutTest, TextsVersionAndALayoutWhereNothingIsCut)
{
    TFAbout about;
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "not resizable";
    EXPECT_FALSE(about.imgLogo->pixmap().isNull());
    EXPECT_FALSE(about.imgLogo->autoFillBackground()) << "the wallpaper shows around the face";
    const std::pair<QLabel*, const char*> texts[] = {
        {about.lblTitle, "ZELMO"},
        {about.lblEdition, "Christmas Edition"},
        {about.lblVersion, "Version " ZELMO_PROJECT_VERSION},
        {about.lblHomepageCaption, "Christmas Zelmo homepage:"},
        {about.lblMailCaption, "Author's e-mail:"},
        {about.lblQuestions, "If you have any questions, comments or suggestions about "
                             "Christmas Zelmo, e-mail author:"},
        {about.lblFeedback, "Your feedback will be gladly accepted."}};
    for (const auto& [label, text] : texts)
        EXPECT_EQ(label->text(), text);
    EXPECT_EQ(about.btnOK->text(), "&OK");
    const QFontInfo title(about.lblTitle->font());
    EXPECT_TRUE(title.family() == QLatin1String("Impact") || title.bold())
        << title.family().toStdString();
    EXPECT_TRUE(about.lblVersion->font().bold());

    // Top to bottom; each caption whole, right-aligned left of the line, beside its link.
    EXPECT_GT(about.lblEdition->y(), about.lblTitle->y());
    EXPECT_GT(about.lblVersion->y(), about.lblEdition->y());
    EXPECT_GT(about.lblQuestions->y(), about.lblHomepage->geometry().bottom());
    EXPECT_LT(about.lblQuestions->geometry().bottom(), about.lblMail->y());
    EXPECT_GT(about.lblFeedback->y(), about.lblMail->geometry().bottom());
    const int line = about.lineVertical->x();
    for (auto [caption, link] : {std::pair(about.lblHomepageCaption, about.lblHomepage),
                                 std::pair(about.lblMailCaption, about.lblMail)}) {
        EXPECT_TRUE(caption->alignment() & Qt::AlignRight);
        EXPECT_LT(caption->geometry().right(), line);
        EXPECT_LE(QFontMetrics(caption->font()).horizontalAdvance(caption->text()),
                  caption->width());
        EXPECT_EQ(caption->y(), link->y());
        EXPECT_GT(link->x(), line);
    }
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
    EXPECT_TRUE(
        mail.toString(QUrl::FullyEncoded).contains("subject=Christmas%20Zelmo%20--%20Feedback"));
    EXPECT_EQ(about.lblMail->text(), FeedbackAddress());
    SaveArtifact(about.grab().toImage(), QStringLiteral("about-box.png"));
}
