#include "About.h"

#include "AboutInfo.h"
#include "AboutLinkLabel.h"
#include "Artwork.h"
#include "Commons.h"
#include "DialogLook.h"
#include "GradientButton.h"
#include "TiledWallpaper.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QUrlQuery>

namespace {

constexpr int LineX = 152; // the olive vertical line
constexpr int LineY = 152; // the olive horizontal line
constexpr int RightColumn = LineX + 8;
const QColor Olive(0x80, 0x80, 0x00);

const QString FeedbackSubject = QStringLiteral("Christmas Zelmo -- Feedback");

QWidget* OliveLine(QWidget* parent, const QRect& geometry)
{
    auto* line = new QWidget(parent);
    FillBackground(line, Olive);
    line->setGeometry(geometry);
    return line;
}

// Labels of the left column end just before the vertical line.
QLabel* CaptionLabel(const QString& text, int y, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    const int width = LineX - 8;
    // The caption must end left of the line whatever the font: shrink it rather than cut it.
    QFont f = label->font();
    while (f.pixelSize() > 8 && QFontMetrics(f).horizontalAdvance(text) > width)
        f.setPixelSize(f.pixelSize() - 1);
    label->setFont(f);
    label->setGeometry(0, y, width, QFontMetrics(f).height() + 2);
    return label;
}

// "Version" and the program's version number.
QString VersionText() { return TFAbout::tr("Version %1").arg(QString::fromUtf8(ZELMO_VERSION)); }

// The heavy condensed face of the title, or the nearest one the system has.
QFont TitleFont(int pixelSize)
{
    QFont impact(QStringLiteral("Impact"));
    impact.setPixelSize(pixelSize);
    if (QFontInfo(impact).family().compare(QStringLiteral("Impact"), Qt::CaseInsensitive) == 0)
        return impact;
    QFont condensed(QStringLiteral("DejaVu Sans Condensed"));
    condensed.setPixelSize(pixelSize);
    condensed.setStretch(QFont::Condensed);
    condensed.setBold(true);
    return condensed;
}

} // namespace

QUrl HomePageUrl()
{
    return QUrl(QString::fromUtf8(ZELMO_HOMEPAGE_URL));
}

QString FeedbackAddress()
{
    return QString::fromUtf8(ZELMO_FEEDBACK_ADDRESS);
}

QUrl FeedbackUrl()
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(FeedbackAddress());
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), FeedbackSubject);
    url.setQuery(query);
    return url;
}

TFAbout::TFAbout(QWidget* parent) : QDialog(parent)
{
    SetUpSmallDialog(this, QStringLiteral("FAbout"), tr("About"), QSize(ClientWidth, ClientHeight));
    BuildControls();
}

void TFAbout::BuildControls()
{
    wallpaper = new TTiledWallpaper(ArtworkPixmap(QStringLiteral(":/backgrounds/SNOWFLAKES1.png")), this);

    imgLogo = new QLabel(this);
    imgLogo->setGeometry(16, 16, 128, 128);
    imgLogo->setPixmap(ArtworkPixmap(QStringLiteral(":/about/ABOUT.png")));
    imgLogo->setAccessibleName(ShownTitle());

    lineVertical = OliveLine(this, QRect(LineX, 0, 1, ClientHeight));
    lineHorizontal = OliveLine(this, QRect(0, LineY, ClientWidth, 1));

    lblTitle = new QLabel(QStringLiteral("ZELMO"), this);
    lblTitle->setFont(TitleFont(48));
    lblTitle->move(168, 8);
    lblTitle->adjustSize();
    lblEdition = new QLabel(tr("Christmas Edition"), this);
    lblEdition->setFont(TitleFont(15));
    lblEdition->move(170, lblTitle->geometry().bottom() + 1);
    lblEdition->adjustSize();
    lblVersion = new QLabel(VersionText(), this);
    QFont bold = font();
    bold.setBold(true);
    lblVersion->setFont(bold);
    lblVersion->move(170, lblEdition->geometry().bottom() + 8);
    lblVersion->adjustSize();

    lblHomepageCaption = CaptionLabel(tr("Christmas Zelmo homepage:"), 168, this);
    lblHomepage = new TLinkLabel(HomePageUrl().toString(), HomePageUrl(), this);
    lblHomepage->move(RightColumn, 168);
    lblHomepage->adjustSize();

    lblQuestions = new QLabel(tr("If you have any questions, comments or suggestions "
                                 "about Christmas Zelmo, e-mail author:"),
                              this);
    lblQuestions->setWordWrap(true);
    lblQuestions->setGeometry(RightColumn, 196, 345, 30);
    lblQuestions->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblMailCaption = CaptionLabel(tr("Author's e-mail:"), 232, this);
    lblMail = new TLinkLabel(FeedbackAddress(), FeedbackUrl(), this);
    lblMail->move(RightColumn, 232);
    lblMail->adjustSize();

    lblFeedback = new QLabel(tr("Your feedback will be gladly accepted."), this);
    lblFeedback->move(RightColumn, 264);
    lblFeedback->adjustSize();

    btnOK = new TGradientButton(tr("&OK"), this);
    btnOK->setGeometry(384, 24, 123, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}
