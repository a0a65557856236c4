#include "Chooser.h"
#include "GameArea.h"

#include "Artwork.h"
#include "DialogLook.h"
#include "GameKinds.h"
#include "HoverImage.h"

#include <QLabel>
#include <QPixmap>

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

QPixmap ChooserPicture(const QString& name)
{
    return ArtworkPixmap(QStringLiteral(":/chooser/") + name);
}

QFont TitleFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
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

    const QPoint origin = contentsRect().topLeft();

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(contentsRect());
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(ChooserPicture(QStringLiteral("CHOOSER.jpg")));
    Image1->setStatusTip(tr("Select a gift! (click on game's name)"));
    Image1->setAccessibleName(tr("Christmas tree with gifts"));

    Label1 = new QLabel(tr("Select a gift from under the tree to play game"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(TitleFont());
    Label1->move(origin + QPoint(8, 8));
    Label1->adjustSize();

    for (int kind = 0; kind < KindCount; ++kind) {
        const TNameLabelPlace& place = places[size_t(kind)];
        const QString word = QString::fromLatin1(place.word);
        auto* label =
            new THoverImage(ChooserPicture(QStringLiteral("LABEL_%1.png").arg(word)),
                            ChooserPicture(QStringLiteral("HOVER_%1.png").arg(word)), this);
        const QString name = TGameKinds::DisplayName(kind);
        label->setObjectName(QStringLiteral("img") + word.at(0) + word.mid(1).toLower());
        label->setAccessibleName(name); // the picture shows the word
        label->setGeometry(place.label.translated(origin));
        THotArea* figure = label->AddHotArea(place.figure.translated(origin));
        figure->setObjectName(label->objectName() + QStringLiteral("Assistant"));
        figure->setAccessibleName(name);
        label->SetHint(tr(place.hint));
        connect(label, &THoverImage::Clicked, this, [this, kind] { emit KindChosen(kind); });
        nameLabels[size_t(kind)] = label;
    }
}

void TChooser::SetKindEnabled(int kind, bool enabled)
{
    NameLabel(kind)->setEnabled(enabled);
}
