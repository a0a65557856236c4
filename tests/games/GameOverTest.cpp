// The game-over box: its picture choice, its answers and its layout.
#include "GameOver.h"
#include "Artifacts.h"
#include "GradientButton.h"
#include "Random.h"
#include "ScriptedGameOver.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace {

// Answers the box once it is up, after looking at it.
int Answer(TFGameOver& box, int result, std::function<void()> answer,
           std::function<void()> look = {})
{
    QTimer::singleShot(0, &box, [&box, answer, look] {
        EXPECT_TRUE(box.isVisible());
        if (look)
            look();
        answer();
    });
    return box.ShowResult(result);
}

int PlayAgain(TFGameOver& box, int result)
{
    return Answer(box, result, [&box] { box.btnAgain->click(); });
}

int PictureNumber(const TFGameOver& box) { return box.PictureName().right(1).toInt(); }

TEST(GameOver, TheSameResultNeverShowsTheSamePictureTwiceInARow)
{
    SetRandSeed(7);
    TFGameOver box;
    for (int result : {grHumanWins, grCpuWins, grDraw}) {
        int last = 0;
        for (int i = 0; i < 12; ++i) {
            PlayAgain(box, result);
            EXPECT_NE(PictureNumber(box), last);
            last = PictureNumber(box);
        }
    }
}

TEST(GameOver, ADrawBetweenTwoWinsKeepsTheWinMemory)
{
    for (uint32_t seed = 1; seed <= 25; ++seed) {
        SetRandSeed(seed);
        TFGameOver box;
        PlayAgain(box, grHumanWins);
        const QString firstWin = box.PictureName();
        PlayAgain(box, grDraw);
        EXPECT_TRUE(box.PictureName().startsWith("DRAW"));
        PlayAgain(box, grHumanWins);
        EXPECT_NE(box.PictureName(), firstWin) << "seed " << seed;
    }
}

TEST(GameOver, TheFirstResultOfAKindMayShowAnyPicture)
{
    std::set<int> seen;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        SetRandSeed(seed);
        TFGameOver box;
        PlayAgain(box, grCpuWins);
        seen.insert(PictureNumber(box));
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4}));
}

TEST(GameOver, TheScriptedAnswererDrawsLikeTheBox)
{
    const std::vector<int> results{1, 1, 2, 0, 1, 2, 2, 0, 0, 1};
    SetRandSeed(1234);
    TFGameOver box;
    std::vector<int> shown;
    for (int result : results) {
        PlayAgain(box, result);
        shown.push_back(PictureNumber(box));
    }
    const uint32_t seedAfterBox = RandSeed();

    SetRandSeed(1234);
    TScriptedGameOver script;
    std::vector<int> scripted;
    for (int result : results) {
        EXPECT_EQ(script.ShowResult(result), goPlayAgain);
        scripted.push_back(script.LastPicture);
    }
    EXPECT_EQ(scripted, shown);
    EXPECT_EQ(RandSeed(), seedAfterBox);
}

TEST(GameOver, ButtonsAndTheCloseBoxAnswer)
{
    TFGameOver box;
    EXPECT_EQ(PlayAgain(box, grDraw), goPlayAgain);
    EXPECT_EQ(Answer(box, grDraw, [&box] { box.btnMenu->click(); }), goClose);
    EXPECT_EQ(Answer(box, grDraw, [&box] { box.close(); }), goClose);
    EXPECT_EQ(Answer(box, grDraw, [&box] { box.reject(); }), goClose) << "Escape";
}

TEST(GameOver, PictureAndSloganShareTheirNumber)
{
    SetRandSeed(99);
    TFGameOver box;
    const QStringList prefixes{"DRAW", "WIN", "LOOSE"};
    for (int round = 0; round < 4; ++round)
        for (int result : {grDraw, grHumanWins, grCpuWins}) {
            PlayAgain(box, result);
            const int n = PictureNumber(box);
            EXPECT_EQ(box.PictureName(), prefixes[result] + QString::number(n));
            EXPECT_EQ(box.lblSlogan->text(), TFGameOver::Slogan(result, n));
            EXPECT_TRUE(box.lblSlogan->text().startsWith('"'));
            EXPECT_TRUE(box.lblSlogan->text().endsWith('"'));
            const QPixmap resource(":/gameover/" + box.PictureName() + ".png");
            EXPECT_EQ(box.Image1->pixmap().toImage(), resource.toImage());
        }
    EXPECT_EQ(TFGameOver::Slogan(grCpuWins, 1), "\"Oops! It's just a bad luck\"");
    EXPECT_EQ(TFGameOver::Slogan(grHumanWins, 4), "\"Remember son: computer cannot beat human\"");
    EXPECT_EQ(TFGameOver::Slogan(grDraw, 4), "\"Hmm... Result is nothing.\"");
}

TEST(GameOver, LayoutAndResultTexts)
{
    TFGameOver box;
    EXPECT_EQ(box.windowTitle(), "Game over");
    EXPECT_EQ(box.size(), QSize(273, 178));
    EXPECT_EQ(box.lblSlogan->pos(), QPoint(16, 16));
    EXPECT_EQ(box.Panel1->geometry(), QRect(16, 32, 129, 129));
    EXPECT_EQ(box.Image1->size(), QSize(127, 127));
    EXPECT_EQ(box.lblResult->geometry(), QRect(150, 32, 116, 57));
    EXPECT_EQ(box.btnAgain->geometry(), QRect(160, 104, 97, 25));
    EXPECT_EQ(box.btnMenu->geometry(), QRect(160, 136, 97, 25));
    EXPECT_EQ(box.btnAgain->text(), "Play again!");
    EXPECT_EQ(box.btnMenu->text(), "Close");
    EXPECT_EQ(box.btnAgain->FrameWidth(), 2);
    EXPECT_TRUE(box.lblResult->font().bold());
    EXPECT_EQ(box.lblResult->font().pixelSize(), 21);

    const QFontMetrics metrics(box.lblResult->font());
    auto lines = [&](const QString& text) {
        const QRect r =
            metrics.boundingRect(QRect(0, 0, 116, 1000), Qt::AlignCenter | Qt::TextWordWrap, text);
        return r.height() / metrics.lineSpacing();
    };
    EXPECT_EQ(lines(TFGameOver::ResultText(grCpuWins)), 2);
    EXPECT_EQ(lines(TFGameOver::ResultText(grHumanWins)), 1);
    EXPECT_LE(2 * metrics.lineSpacing(), 57) << "two lines fit the label";
    EXPECT_EQ(TFGameOver::ResultText(grDraw), "Draw");

    // Every slogan fits on its line inside the box.
    for (int result : {grDraw, grHumanWins, grCpuWins})
        for (int n = 1; n <= 4; ++n) {
            box.SetSlogan(TFGameOver::Slogan(result, n));
            const int width =
                QFontMetrics(box.lblSlogan->font()).horizontalAdvance(box.lblSlogan->text());
            EXPECT_LE(16 + width, 273) << box.lblSlogan->text().toStdString();
            EXPECT_GE(box.lblSlogan->width(), width);
        }
}

TEST(GameOver, Screenshots)
{
    SetRandSeed(5);
    TFGameOver box;
    const char* names[] = {"gameover-draw.png", "gameover-win.png", "gameover-loss.png"};
    for (int result : {grDraw, grHumanWins, grCpuWins}) {
        QImage shot;
        Answer(
            box, result, [&box] { box.btnAgain->click(); }, [&] { shot = box.grab().toImage(); });
        ASSERT_EQ(shot.size(), QSize(273, 178));
        SaveArtifact(shot, names[result]);
        EXPECT_EQ(box.lblResult->text(), TFGameOver::ResultText(result));
    }
}

} // namespace
