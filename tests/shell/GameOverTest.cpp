// The game-over box: its picture choice, its answers and its pictures.
#include "GameOver.h"
#include "Artifacts.h"
#include "GradientButton.h"
#include "Random.h"
#include "ScriptedGameOver.h"

#include <QLabel>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Answers the box once it is up.
int Answer(TFGameOver& box, int result, std::function<void()> answer)
{
    QTimer::singleShot(0, &box, [&box, answer] {
        EXPECT_TRUE(box.isVisible());
        answer();
    });
    return box.ShowResult(result);
}

int PlayAgain(TFGameOver& box, int result)
{
    return Answer(box, result, [&box] { box.btnAgain->click(); });
}

// Results in a row, repeats and draws between wins included; the picture never repeats the
// last one of its result, picture and slogan share their number, and the scripted
// answerer draws the very same pictures.
TEST(GameOver, PicturesNeverRepeatTheLastOfTheirResult)
{
    const QStringList prefixes{"DRAW", "WIN", "LOOSE"};
    const std::vector<int> results{1, 1, 0, 1, 2, 2, 0, 0, 2, 1, 0, 1, 1, 2, 0, 2, 1, 1};
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        SetRandSeed(seed);
        TFGameOver box;
        std::vector<int> shown;
        int last[3] = {0, 0, 0};
        for (int result : results) {
            PlayAgain(box, result);
            const int n = box.PictureName().right(1).toInt();
            EXPECT_NE(n, last[result]) << "seed " << seed;
            last[result] = n;
            shown.push_back(n);
            EXPECT_EQ(box.PictureName(), prefixes[result] + QString::number(n));
            EXPECT_EQ(box.lblSlogan->text(), TFGameOver::Slogan(result, n));
            const QPixmap resource(":/gameover/" + box.PictureName() + ".png");
            EXPECT_EQ(box.Image1->pixmap().toImage(), resource.toImage());
        }
        SetRandSeed(seed);
        TScriptedGameOver script;
        for (size_t i = 0; i < results.size(); ++i) {
            EXPECT_EQ(script.ShowResult(results[i]), goPlayAgain);
            EXPECT_EQ(script.LastPicture, shown[i]);
        }
    }
    EXPECT_EQ(TFGameOver::Slogan(grHumanWins, 4), "\"Remember son: computer cannot beat human\"");
}

TEST(GameOver, ButtonsAndTheCloseBoxAnswer)
{
    TFGameOver box;
    EXPECT_EQ(PlayAgain(box, grDraw), goPlayAgain);
    EXPECT_EQ(Answer(box, grDraw, [&box] { box.btnMenu->click(); }), goClose);
    EXPECT_EQ(Answer(box, grDraw, [&box] { box.close(); }), goClose);
    EXPECT_EQ(Answer(box, grDraw, [&box] { box.reject(); }), goClose) << "Escape";
}

TEST(GameOver, Screenshots)
{
    SetRandSeed(5);
    TFGameOver box;
    const char* names[] = {"gameover-draw.png", "gameover-win.png", "gameover-loss.png"};
    for (int result : {grDraw, grHumanWins, grCpuWins}) {
        QImage shot;
        Answer(box, result, [&] {
            shot = box.grab().toImage();
            box.btnAgain->click();
        });
        ASSERT_EQ(shot.size(), QSize(273, 178));
        SaveArtifact(shot, names[result]);
        EXPECT_EQ(box.lblResult->text(), TFGameOver::ResultText(result));
    }
    EXPECT_EQ(TFGameOver::ResultText(grCpuWins), "Computer wins");
}

} // namespace
