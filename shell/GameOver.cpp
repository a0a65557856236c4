#include "GameOver.h"

#include "Artwork.h"
#include "DialogLook.h"
#include "GradientButton.h"
#include "TiledWallpaper.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>

namespace {

constexpr int ClientWidth = 273;
constexpr int ClientHeight = 178;

// By result code (draw, human wins, computer wins), then by picture number 1..4.
const char* const Slogans[3][4] = {
    {QT_TRANSLATE_NOOP("TFGameOver", "\"Do I play better?\""),
     QT_TRANSLATE_NOOP("TFGameOver", "\"Nobody wins\""),
     QT_TRANSLATE_NOOP("TFGameOver", "\"I gave him odds\""),
     QT_TRANSLATE_NOOP("TFGameOver", "\"Hmm... Result is nothing.\"")},
    {QT_TRANSLATE_NOOP("TFGameOver", "\"The next game will be...\""),
     QT_TRANSLATE_NOOP("TFGameOver", "\"I can win all other games too!\""),
     QT_TRANSLATE_NOOP("TFGameOver", "\"It was a piece of cake!\""),
     QT_TRANSLATE_NOOP("TFGameOver", "\"Remember son: computer cannot beat human\"")},
    {QT_TRANSLATE_NOOP("TFGameOver", "\"Oops! It's just a bad luck\""),
     QT_TRANSLATE_NOOP("TFGameOver", "\"I got entangled\""),
     QT_TRANSLATE_NOOP("TFGameOver", "\"He! Makes! Me! Crazy!!!\""),
     QT_TRANSLATE_NOOP("TFGameOver", "\"I can beat him right now\"")},
};

const char* const ResultTexts[3] = {QT_TRANSLATE_NOOP("TFGameOver", "Draw"),
                                    QT_TRANSLATE_NOOP("TFGameOver", "You win"),
                                    QT_TRANSLATE_NOOP("TFGameOver", "Computer wins")};
const char* const Prefixes[3] = {"DRAW", "WIN", "LOOSE"};

} // namespace

TFGameOver::TFGameOver(QWidget* parent) : QDialog(parent)
{
    SetUpSmallDialog(this, QStringLiteral("FGameOver"), tr("Game over"),
                     QSize(ClientWidth, ClientHeight));
    BuildControls();
}

void TFGameOver::BuildControls()
{
    wallpaper = new TTiledWallpaper(ArtworkPixmap(QStringLiteral(":/backgrounds/SNOWFLAKES1.png")), this);

    lblSlogan = new QLabel(this);
    lblSlogan->move(16, 16);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(16, 32, 129, 129);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setLineWidth(1);
    FillBackground(Panel1, Qt::white);
    Image1 = new QLabel(Panel1);
    Image1->setGeometry(1, 1, 127, 127);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setAccessibleName(tr("Picture of the result"));

    lblResult = new QLabel(this);
    lblResult->setGeometry(150, 32, 116, 57);
    lblResult->setAlignment(Qt::AlignCenter);
    lblResult->setWordWrap(true);
    QFont big(QStringLiteral("Verdana"));
    big.setPixelSize(21);
    big.setBold(true);
    lblResult->setFont(big);

    btnAgain = new TGradientButton(tr("Play again!"), this);
    btnAgain->setGeometry(160, 104, 97, 25);
    btnAgain->setDefault(true);
    connect(btnAgain, &QPushButton::clicked, this, [this] { done(mrOk); });
    btnMenu = new TGradientButton(tr("Close"), this);
    btnMenu->setGeometry(160, 136, 97, 25);
    connect(btnMenu, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

QString TFGameOver::ResultText(int result) { return tr(ResultTexts[result]); }

QString TFGameOver::Slogan(int result, int n) { return tr(Slogans[result][n - 1]); }

QString TFGameOver::PicturePrefix(int result) { return QString::fromUtf8(Prefixes[result]); }

void TFGameOver::SetSlogan(const QString& text)
{
    // A remark too long for its line shrinks rather than being cut off.
    QFont sloganFont = font();
    const int room = ClientWidth - 2 * lblSlogan->x();
    while (sloganFont.pixelSize() > 8 && QFontMetrics(sloganFont).horizontalAdvance(text) > room)
        sloganFont.setPixelSize(sloganFont.pixelSize() - 1);
    lblSlogan->setFont(sloganFont);
    lblSlogan->setText(text);
    lblSlogan->adjustSize();
}

int TFGameOver::ShowResult(int result)
{
    const int n = pictures.Next(result);
    pictureName = PicturePrefix(result) + QString::number(n);
    Image1->setPixmap(ArtworkPixmap(QStringLiteral(":/gameover/%1.png").arg(pictureName)));
    lblResult->setText(ResultText(result));
    SetSlogan(Slogan(result, n));
    // The close box and Escape reject, which counts as "Close" like the button.
    return exec() == mrOk ? goPlayAgain : goClose;
}
