// helppictures: lays out the card pictures of the help pages from the program's own card
// images, as the list file describes them, on a piece of green table.
//
//   helppictures --cards DIR --out DIR LIST
//
// Each line of LIST names a picture and its cards; see help/pictures.txt. Any problem
// (a missing card image, a line it cannot read) stops it with a message and status 1.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

constexpr int CardWidth = 71;
constexpr int CardHeight = 96;
constexpr int MarkHeight = 4;
constexpr int Margin = 8;
constexpr int BackIndex = 6; // the back a new player sees first
const QColor Table(0, 102, 0);

struct TPlacedCard {
    int Suit = -1; // -1 for a back
    int Value = 0;
    QPoint At;
    bool Marked = false;
};

struct TScene {
    QString Name;
    int Scale = 100;
    QRect Crop; // of the unscaled picture; null for all of it
    std::vector<TPlacedCard> Cards;
};

[[noreturn]] void Fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

QImage Load(const QDir& dir, const QString& name)
{
    QImage image(dir.filePath(name));
    if (image.isNull()) Fail(QStringLiteral("card image %1 is missing or unreadable").arg(dir.filePath(name)));
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The card images as the program draws them: cells of 71 x 96 in strips, value order
// Ace, Deuce .. King; a mask that is white outside the rounded outline.
struct TCardArt {
    explicit TCardArt(const QDir& dir)
        : Faces{Load(dir, "CLUBS.png"), Load(dir, "DIAMONDS.png"), Load(dir, "HEARTS.png"),
                Load(dir, "SPADES.png")},
          Backs(Load(dir, "CARDBACK.png")), Mask(Load(dir, "CARDMASK.png")),
          Frame(Load(dir, "CARDFRAME.png")), Mark(Load(dir, "CARDMARK.png"))
    {
        for (const QImage* strip : {&Faces[0], &Faces[1], &Faces[2], &Faces[3]})
            if (strip->width() < 13 * CardWidth || strip->height() < CardHeight)
                Fail(QStringLiteral("a face strip is smaller than 13 cards"));
        if (Backs.width() < (BackIndex + 1) * CardWidth || Mask.size() != QSize(CardWidth, CardHeight))
            Fail(QStringLiteral("the back strip or the mask has the wrong size"));
    }

    // One card with its corners left transparent.
    QImage Card(const TPlacedCard& card) const
    {
        const bool face = card.Suit >= 0;
        const QImage& strip = face ? Faces[card.Suit] : Backs;
        QImage cell = strip.copy((face ? card.Value : BackIndex) * CardWidth, 0, CardWidth, CardHeight);
        for (int y = 0; y < CardHeight; ++y)
            for (int x = 0; x < CardWidth; ++x) {
                if (qGray(Mask.pixel(x, y)) > 127)
                    cell.setPixel(x, y, qRgba(0, 0, 0, 0));
                else if (!face && qGray(Frame.pixel(x, y)) > 127)
                    cell.setPixel(x, y, cell.pixel(x, y) | 0xFFFFFFu); // the frame is ORed on
            }
        return cell;
    }

    QImage Faces[4];
    QImage Backs;
    QImage Mask;
    QImage Frame;
    QImage Mark;
};

// "TH" is the Ten of Hearts, "back" a face-down card.
TPlacedCard ParseCard(const QString& token)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(back|([6-9TJQKA])([CDHS]))(\^?)@(-?\d+),(-?\d+)$)"));
    const QRegularExpressionMatch match = pattern.match(token);
    if (!match.hasMatch()) Fail(QStringLiteral("cannot read the card \"%1\"").arg(token));
    TPlacedCard card;
    if (match.captured(1) != QLatin1String("back")) {
        // Strip cells: Ace 0, Six 5 .. King 12.
        static const QString values = QStringLiteral("A....6789TJQK");
        card.Value = int(values.indexOf(match.captured(2)));
        card.Suit = int(QStringLiteral("CDHS").indexOf(match.captured(3)));
    }
    card.Marked = !match.captured(4).isEmpty();
    card.At = QPoint(match.captured(5).toInt(), match.captured(6).toInt());
    return card;
}

// "x,y,w,h"
QRect ParseCrop(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^(\d+),(\d+),(\d+),(\d+)$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch() || match.captured(3).toInt() == 0 || match.captured(4).toInt() == 0)
        Fail(QStringLiteral("cannot read the crop \"%1\"").arg(text));
    return QRect(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
                 match.captured(4).toInt());
}

std::vector<TScene> ReadList(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) Fail(QStringLiteral("cannot read %1").arg(path));
    std::vector<TScene> scenes;
    QTextStream in(&file);
    for (int lineNumber = 1; !in.atEnd(); ++lineNumber) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList tokens = line.split(QRegularExpression(QStringLiteral("\\s+")));
        TScene scene;
        scene.Name = tokens.front();
        if (!scene.Name.endsWith(QLatin1String(".png")) || scene.Name.contains(QLatin1Char('/')))
            Fail(QStringLiteral("line %1: \"%2\" is no picture name").arg(lineNumber).arg(scene.Name));
        try {
            for (const QString& token : tokens.mid(1)) {
                if (token.startsWith(QLatin1String("scale="))) {
                    scene.Scale = token.mid(6).toInt();
                    if (scene.Scale < 10 || scene.Scale > 800) Fail(QStringLiteral("bad scale"));
                } else if (token.startsWith(QLatin1String("crop="))) {
                    scene.Crop = ParseCrop(token.mid(5));
                } else {
                    scene.Cards.push_back(ParseCard(token));
                }
            }
        } catch (const std::runtime_error& e) {
            Fail(QStringLiteral("line %1: %2").arg(lineNumber).arg(QString::fromUtf8(e.what())));
        }
        if (scene.Cards.empty()) Fail(QStringLiteral("line %1: no cards").arg(lineNumber));
        scenes.push_back(std::move(scene));
    }
    return scenes;
}

QImage Draw(const TScene& scene, const TCardArt& art)
{
    QRect bounds;
    for (const TPlacedCard& card : scene.Cards) {
        QRect area(card.At, QSize(CardWidth, CardHeight));
        if (card.Marked) area.setTop(area.top() - MarkHeight);
        bounds = bounds.united(area);
    }
    const QPoint origin = QPoint(Margin, Margin) - bounds.topLeft();
    QImage picture(bounds.size() + QSize(2 * Margin, 2 * Margin), QImage::Format_RGB32);
    picture.fill(Table);
    {
        QPainter painter(&picture);
        for (const TPlacedCard& card : scene.Cards)
            painter.drawImage(card.At + origin, art.Card(card));
    }
    // The playable mark is XORed onto whatever lies above the card, as on the table.
    for (const TPlacedCard& card : scene.Cards) {
        if (!card.Marked) continue;
        const QPoint at = card.At + origin - QPoint(0, MarkHeight);
        for (int y = 0; y < art.Mark.height(); ++y)
            for (int x = 0; x < art.Mark.width(); ++x)
                picture.setPixel(at.x() + x, at.y() + y,
                                 picture.pixel(at.x() + x, at.y() + y) ^ (art.Mark.pixel(x, y) & 0xFFFFFFu));
    }
    if (!scene.Crop.isNull()) {
        if (!picture.rect().contains(scene.Crop))
            Fail(scene.Name + QStringLiteral(": the crop reaches outside the picture"));
        picture = picture.copy(scene.Crop);
    }
    // Enlarged pixels stay sharp squares, so that a small detail can be seen.
    if (scene.Scale != 100)
        picture = picture.scaled(picture.size() * scene.Scale / 100, Qt::IgnoreAspectRatio,
                                 scene.Scale > 100 ? Qt::FastTransformation : Qt::SmoothTransformation);
    return picture;
}

} // namespace

int main(int argc, char** argv)
{
    QString cards, out, list;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--cards") && i + 1 < argc)
            cards = QString::fromLocal8Bit(argv[++i]);
        else if (arg == QLatin1String("--out") && i + 1 < argc)
            out = QString::fromLocal8Bit(argv[++i]);
        else
            list = arg;
    }
    if (cards.isEmpty() || out.isEmpty() || list.isEmpty()) {
        std::fprintf(stderr, "usage: helppictures --cards DIR --out DIR LIST\n");
        return 2;
    }
    try {
        const TCardArt art{QDir(cards)};
        if (!QDir().mkpath(out)) Fail(QStringLiteral("cannot create %1").arg(out));
        for (const TScene& scene : ReadList(list)) {
            const QString path = QDir(out).filePath(scene.Name);
            if (!Draw(scene, art).save(path, "PNG")) Fail(QStringLiteral("cannot write %1").arg(path));
        }
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "helppictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
