// What a composed card looks like, its mark in a partial repaint, which card lies under
// the pointer, and that a card at a large ratio is drawn for it rather than enlarged; the
// solid and the horizontal gradient backgrounds, as drawn into the backdrop image, and a
// picture that can be made at any ratio made at the table's, tiling without a seam.
#include "BoardFixture.h"
#include "GameArea.h"

#include <algorithm>
#include <vector>

namespace {

class CardDrawingTest : public BoardTest {
protected:
    static constexpr QRgb Bg = 0x204080;
    void SetUp() override
    {
        board.SetColor(QColor::fromRgb(Bg));
        SizeBoard(300, 250);
    }
    // The prepared face picture of a card at (x, y) inside its cell.
    QRgb Picture(const TCard& c, int x, int y) const
    {
        return Px(board.CardImages().Face(c.Suit()), c.Value() * 71 + x, y);
    }
};

// The mark is XORed four pixels above the top left corner, also into a repaint that ends
// above the card; the card is opaque with transparent corners, the highlight ANDs the
// background in, and placeholders are not drawn at all.
TEST_F(CardDrawingTest, MarkCornersHighlightAndPlaceholders)
{
    TCard* card = NewCard(Queen, Hearts);
    card->SetPos(10, 120);
    card->SetMarked(true);
    board.Compose(QRect(0, 0, 300, 119));
    EXPECT_EQ(Px(board.ComposeImage(), 12, 116), Inverted(Bg));

    card->SetPos(10, 20);
    QImage img = ComposeAll();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(Px(img, 10 + x, 16 + y), Bg ^ Px(board.CardImages().Mark(), x, y));
    EXPECT_EQ(Px(img, 10 + 70, 20 + 1), Bg);
    for (QPoint p : {QPoint(2, 0), QPoint(69, 94)})
        EXPECT_EQ(Px(img, 10 + p.x(), 20 + p.y()), Picture(*card, p.x(), p.y()));
    EXPECT_EQ(Px(img, 81, 60), Bg);

    card->SetMarked(false);
    card->SetSelectedCard(true);
    img = ComposeAll();
    EXPECT_EQ(Px(img, 10, 20), Inverted(Bg));
    EXPECT_EQ(Px(img, 45, 68), Picture(*card, 35, 48) & Bg);

    card->SetEmpty(true);
    NewCard(Eight, Spades, NewLine(100, 100))->SetEmpty(true);
    EXPECT_EQ(ComposeAll(), board.BackdropImage());
}

TEST_F(CardDrawingTest, ACardExactlyUnderTheNextOneShowsOnlyThroughAHighlightOrByItsMark)
{
    TPile* stack = board.NewPile(poLine, 30, 40, 0, 0, 2, 0, 0);
    TCard* below = NewCard(Five, Diamonds, stack);
    TCard* above = NewCard(King, Clubs, stack);
    ASSERT_EQ(Pos(below), Pos(above));
    const auto withAndWithoutBelow = [&] {
        const QImage with = ComposeAll();
        below->SetEmpty(true);
        const QImage without = ComposeAll();
        below->SetEmpty(false);
        return std::make_pair(with, without);
    };
    auto [with, without] = withAndWithoutBelow();
    EXPECT_EQ(with, without);

    above->SetSelectedCard(true);
    std::tie(with, without) = withAndWithoutBelow();
    // The highlight lets the card below show.
    EXPECT_EQ(Px(with, 45, 68), Picture(*above, 15, 28) & Picture(*below, 15, 28));

    above->SetSelectedCard(false);
    below->SetMarked(true);
    std::tie(with, without) = withAndWithoutBelow();
    EXPECT_EQ(Px(with, 32, 36), Bg ^ Px(board.CardImages().Mark(), 2, 0)) << "its mark shows";
}

// The Queen of Hearts alone on white, from the pictures made for `ratio`.
QImage LoneCard(qreal ratio)
{
    TBoard scratch;
    const TCard& card = *scratch.NewCard(nullptr, Queen, Hearts, true);
    QImage image(DeviceRect(CardRect(0, 0), ratio).size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    TCardImages(false, ratio).DrawCard(image, card, CardRect(0, 0));
    return image;
}

// The largest difference of one colour channel between two pixels.
int Step(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

struct TSharpness {
    qreal ratio;
    int enlargedFrom; // the scale whose pictures a toolkit would enlarge instead
};

class SharpCorners : public ::testing::TestWithParam<TSharpness> {};

TEST_P(SharpCorners, TheCornerIndexIsDrawnAtTheRatioNotEnlarged)
{
    const auto [ratio, from] = GetParam();
    const QImage shown = LoneCard(ratio);
    const QImage enlarged =
        LoneCard(from).scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QRect index = DeviceRect({1, 2, 13, 25}, ratio); // rank and suit, top left
    // Steep steps between neighbours, across and down: an edge drawn at the size it is
    // shown has many, an edge enlarged smoothly spreads each over several pixels.
    int sharp = 0, soft = 0, pixels = 0;
    double difference = 0;
    for (int y = index.top(); y < index.bottom(); ++y)
        for (int x = index.left(); x < index.right(); ++x, ++pixels) {
            for (const QPoint next : {QPoint(x + 1, y), QPoint(x, y + 1)}) {
                sharp += Step(shown.pixel(x, y), shown.pixel(next)) >= 160;
                soft += Step(enlarged.pixel(x, y), enlarged.pixel(next)) >= 160;
            }
            difference += Step(shown.pixel(x, y), enlarged.pixel(x, y));
        }
    EXPECT_LT(difference / pixels, 24) << "not the same corner";
    EXPECT_GE(sharp, 2 * soft + 20) << sharp << " steep steps against " << soft;
}

INSTANTIATE_TEST_SUITE_P(Ratios, SharpCorners,
                         ::testing::Values(TSharpness{2, 1}, TSharpness{3, 1}, TSharpness{5.76, 3}),
                         [](const auto& info) {
                             return "At" + std::to_string(int(info.param.ratio * 100));
                         });

using HitTestTest = ManualClockTest;

TEST_F(HitTestTest, FlightThenFreeCardsThenPilesTopDownAndPlaceholdersNeverHit)
{
    TCard* freeOld = NewCard(Six, Clubs);
    TCard* freeNew = NewCard(Seven, Clubs);
    freeNew->SetPos(20, 0);
    EXPECT_EQ(board.CardAt(15, 95), freeOld);
    EXPECT_EQ(board.CardAt(15, 96), nullptr);
    TPile* first = NewLine(60, 0, 30); // created after the free cards
    TCard* lower = NewCard(Eight, Clubs, first);
    TCard* upper = NewCard(Nine, Clubs, first);
    TCard* later = NewCard(Ten, Clubs, NewLine(120, 0));
    EXPECT_EQ(board.CardAt(65, 10), freeNew) << "the last created free card, above piles";
    EXPECT_EQ(board.CardAt(95, 10), upper);
    EXPECT_EQ(board.CardAt(125, 10), later);
    freeNew->SetEmpty(true);
    later->SetEmpty(true);
    upper->SetEmpty(true);
    EXPECT_EQ(board.CardAt(70, 10), freeOld);
    EXPECT_EQ(board.CardAt(71, 10), lower) << "the right edge is exclusive";
    EXPECT_EQ(board.CardAt(95, 10), lower);
    EXPECT_EQ(board.CardAt(140, 10), nullptr) << "covered only by placeholders";

    TPile* away = NewLine(500, 300);
    board.MoveCard(lower, away, 0, false, 1000, 0);
    EXPECT_EQ(board.CardAt(65, 10), lower) << "a moving card over a free one";
    board.MoveCard(freeOld, away, 0, false, 1000, 0);
    EXPECT_EQ(board.CardAt(65, 10), freeOld) << "the last queued wins";
    EXPECT_EQ(board.CardAt(75, 10), lower);
    // The landing place is not hit while the card is still on its way.
    EXPECT_EQ(board.CardAt(520, 320), nullptr);
}

class BackgroundTest : public BoardTest {
protected:
    // The game area with black to white unless a test says otherwise.
    void Paint(TBoardBackType type, QColor c1 = Qt::black)
    {
        board.SetColor(c1);
        board.SetColor2(Qt::white);
        board.SetBackType(type);
        SizeBoard(GameAreaWidth, GameAreaHeight);
    }
    int Grey(int x, int y) const { return qRed(board.BackdropImage().pixel(x, y)); }
};

TEST_F(BackgroundTest, SolidAndGradientBands)
{
    Paint(btSolid, QColor(12, 34, 56));
    EXPECT_EQ(board.BackdropImage().pixelColor(606, 374), QColor(12, 34, 56));

    // Band i spans x = i*607/256 .. (i+1)*607/256 with grey i*255/256, stopping short of white.
    Paint(btHGradient);
    EXPECT_EQ(Grey(302, 100), 126); // band 127: x 301..302
    EXPECT_EQ(Grey(303, 374), 127); // band 128: x 303..305, full height
    EXPECT_EQ(Grey(604, 0), 254);   // band 255: x 604..606
}

TEST_F(BackgroundTest, AMadePictureFollowsTheTableRatio)
{
    std::vector<qreal> asked;
    board.SetPictureMaker([&](qreal ratio) {
        asked.push_back(ratio);
        QImage tile(QSize(8, 8) * ratio, QImage::Format_RGB32);
        tile.setDevicePixelRatio(ratio);
        return tile;
    });
    board.SetTableScale(TBoard::FitTable);
    Paint(btTile);
    SizeBoard(GameAreaWidth * 3, GameAreaHeight * 3);
    EXPECT_EQ(board.Picture().devicePixelRatio(), 3);
    const size_t made = asked.size();
    board.RebuildBackground();
    EXPECT_EQ(asked.size(), made) << "made once per ratio";
    EXPECT_EQ(asked.back(), 3);

    // At a ratio that makes a tile a fraction of a board pixel the tiles still meet: no
    // device pixel keeps the black a fresh backdrop starts with.
    board.SetPictureMaker([](qreal ratio) {
        QImage tile((QSizeF(200, 200) * ratio).toSize(), QImage::Format_RGB32);
        tile.fill(Qt::white);
        tile.setDevicePixelRatio(ratio);
        return tile;
    });
    SizeBoard(1564, 966); // fits the game area at 2.576: a tile is 515.2 pixels
    const QImage backdrop = board.BackdropImage();
    for (int x = 0; x < backdrop.width(); ++x)
        ASSERT_NE(backdrop.pixel(x, backdrop.height() / 2), qRgb(0, 0, 0)) << "a seam at " << x;
}

} // namespace
