#include "Chooser.h"

#include "Artwork.h"
#include "Board.h"
#include "DialogLook.h"
#include "DrawnArtwork.h"
#include "GameArea.h"
#include "GameKinds.h"
#include "HoverImage.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace {

struct TNameLabelPlace {
    const char* word; // resource names LABEL_<word> and HOVER_<word>
    QRect label;
    QRect figure;
    const char* hint;
};

// One per kind, in kind order; places are inside the panel's border.
const std::array<TNameLabelPlace, TChooser::KindCount> places{{
    {"MOVER",
     {163, 281, 71, 33},
     {152, 168, 89, 114},
     QT_TRANSLATE_NOOP("TChooser", "Mover Zelmo -- the most popular")},
    {"HEAP",
     {298, 336, 71, 33},
     {272, 248, 113, 89},
     QT_TRANSLATE_NOOP("TChooser", "Heap Zelmo -- a very unpredictable play")},
    {"ROUND",
     {397, 259, 71, 33},
     {400, 184, 65, 76},
     QT_TRANSLATE_NOOP("TChooser", "Round Zelmo -- take more to win")},
}};

// The picture inside the panel's border, at its classic size.
constexpr QSize PictureSize(GameAreaWidth - 2, GameAreaHeight - 2);

// A chooser picture made for `ratio` device pixels per picture pixel, shown on a
// screen of `screenRatio`.
QPixmap ChooserPicture(const QString& name, qreal ratio, qreal screenRatio)
{
    QPixmap pixmap = QPixmap::fromImage(LoadArtwork(QStringLiteral(":/chooser/") + name, ratio));
    pixmap.setDevicePixelRatio(screenRatio);
    return pixmap;
}

// A kind's name label or its hover face. The shipped pictures spell the English names;
// another language's name is drawn.
QPixmap NameLabelPicture(const QString& word, const QString& name, bool hovered, qreal ratio,
                         qreal screenRatio)
{
    if (name == word)
        return ChooserPicture(
            (hovered ? QStringLiteral("HOVER_%1.png") : QStringLiteral("LABEL_%1.png")).arg(word),
            ratio, screenRatio);
    const int scale = ArtworkScale(ratio);
    QPixmap pixmap =
        QPixmap::fromImage(ArtworkAtRatio(DrawnNameLabel(name, hovered, scale), scale, ratio));
    pixmap.setDevicePixelRatio(screenRatio);
    return pixmap;
}

// The picture on a panel larger than it, run on into the bands so that the scene has no
// border inside the window: mirrored into side bands, so that the garland and the floor
// boards run on and back rather than smearing into stripes; its top and bottom rows
// stretched into bands above and below, where a mirror would stand the tree on its head.
QPixmap Continued(const QPixmap& picture, QRect at, QSize panel, qreal screenRatio)
{
    if (at == QRect({}, panel))
        return picture;
    QPixmap out((QSizeF(panel) * screenRatio).toSize());
    out.setDevicePixelRatio(screenRatio);
    QPixmap mirrored = QPixmap::fromImage(picture.toImage().mirrored(true, false));
    mirrored.setDevicePixelRatio(picture.devicePixelRatio());
    const QSizeF p = picture.deviceIndependentSize();
    const qreal d = picture.devicePixelRatio();
    QPainter painter(&out);
    const auto part = [&](QRectF to, const QPixmap& from, QRectF source) {
        painter.drawPixmap(to, from, QRectF(source.topLeft() * d, source.size() * d));
    };
    const QRectF r(at);
    const int columns = int(std::ceil(r.left() / r.width()));
    // Every other copy outwards is mirrored, so that neighbours meet at a shared edge.
    for (int i = -columns; i <= columns; ++i)
        part(r.translated(i * r.width(), 0), i & 1 ? mirrored : picture, {{}, p});
    part({r.left(), 0, r.width(), r.top()}, picture, {0, 0, p.width(), 1});
    part({r.left(), r.bottom(), r.width(), panel.height() - r.bottom()}, picture,
         {0, p.height() - 1, p.width(), 1});
    return out;
}

QFont TitleFont(qreal scale)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qRound(12 * scale));
    font.setBold(true);
    return font;
}

} // namespace

TChooser::TChooser(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pChooseGame"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFixedSize(GameAreaWidth, GameAreaHeight);
    FillBackground(this, Qt::white);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setStatusTip(tr("Select a gift! (click on game's name)"));
    Image1->setAccessibleName(tr("Christmas tree with gifts"));

    Label1 = new QLabel(tr("Select a gift from under the tree to play game"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    for (int kind = 0; kind < KindCount; ++kind) {
        const TNameLabelPlace& place = places[size_t(kind)];
        const QString word = QString::fromLatin1(place.word);
        auto* label = new THoverImage({}, {}, this);
        const QString name = TGameKinds::DisplayName(kind);
        label->setObjectName(QStringLiteral("img") + word.at(0) + word.mid(1).toLower());
        label->setAccessibleName(name); // the picture shows the word
        THotArea* figure = label->AddHotArea({});
        figure->setObjectName(label->objectName() + QStringLiteral("Assistant"));
        figure->setAccessibleName(name);
        label->SetHint(tr(place.hint));
        connect(label, &THoverImage::Clicked, this, [this, kind] { emit KindChosen(kind); });
        nameLabels[size_t(kind)] = label;
        figures[size_t(kind)] = figure;
    }
    LayOut();
}

void TChooser::SetTableScale(qreal scale)
{
    if (scale == tableScale)
        return;
    tableScale = scale;
    LayOut();
}

qreal TChooser::ShownScale() const
{
    const QSize inside = contentsRect().size();
    return tableScale != TBoard::FitTable ? tableScale
                                          : std::min(qreal(inside.width()) / PictureSize.width(),
                                                     qreal(inside.height()) / PictureSize.height());
}

void TChooser::resizeEvent(QResizeEvent* e)
{
    QFrame::resizeEvent(e);
    LayOut();
}

void TChooser::LayOut()
{
    const qreal scale = ShownScale();
    const QRect inside = contentsRect();
    const QSize shown(qRound(PictureSize.width() * scale), qRound(PictureSize.height() * scale));
    const QPoint origin = inside.topLeft() + QPoint((inside.width() - shown.width()) / 2,
                                                    (inside.height() - shown.height()) / 2);
    const auto place = [&](const QRect& r) {
        return QRect(origin + QPoint(qRound(r.x() * scale), qRound(r.y() * scale)),
                     QSize(qRound(r.width() * scale), qRound(r.height() * scale)));
    };
    LoadPictures(devicePixelRatioF() * scale);
    Image1->setGeometry(inside);
    Image1->setPixmap(Continued(picture, QRect(origin - inside.topLeft(), shown), inside.size(),
                                devicePixelRatioF()));
    Label1->setFont(TitleFont(scale));
    Label1->move(place({8, 8, 0, 0}).topLeft());
    Label1->adjustSize();
    for (int kind = 0; kind < KindCount; ++kind) {
        nameLabels[size_t(kind)]->setGeometry(place(places[size_t(kind)].label));
        figures[size_t(kind)]->setGeometry(place(places[size_t(kind)].figure));
    }
}

void TChooser::LoadPictures(qreal ratio)
{
    if (ratio == picturesRatio)
        return;
    picturesRatio = ratio;
    const qreal screen = devicePixelRatioF();
    picture = ChooserPicture(QStringLiteral("CHOOSER.jpg"), ratio, screen);
    for (int kind = 0; kind < KindCount; ++kind) {
        const QString word = QString::fromLatin1(places[size_t(kind)].word);
        const QString name = TGameKinds::DisplayName(kind).toUpper();
        nameLabels[size_t(kind)]->SetPictures(NameLabelPicture(word, name, false, ratio, screen),
                                              NameLabelPicture(word, name, true, ratio, screen));
    }
}

void TChooser::SetKindEnabled(int kind, bool enabled)
{
    NameLabel(kind)->setEnabled(enabled);
}
