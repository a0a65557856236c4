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
            Answer(box, result, [&box] { box.btnAgain->click(); });
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

TEST(GameOver, EachResultIsShownAndTheButtonsAndTheCloseBoxAnswer)
{
    SetRandSeed(5);
    TFGameOver box;
    const struct {
        int result;
        const char* text;
        const char* shot;
    } results[] = {{grDraw, "Draw", "gameover-draw.png"},
                   {grHumanWins, "You win", "gameover-win.png"},
                   {grCpuWins, "Computer wins", "gameover-loss.png"}};
    for (const auto& r : results) {
        QImage shot;
        const auto again = [&] {
            shot = box.grab().toImage();
            box.btnAgain->click();
        };
        EXPECT_EQ(Answer(box, r.result, again), goPlayAgain);
        EXPECT_EQ(box.lblResult->text(), r.text);
        ASSERT_EQ(shot.size(), QSize(273, 178));
        SaveArtifact(shot, r.shot);
    }
    EXPECT_EQ(Answer(box, grDraw, [&box] { box.btnMenu->click(); }), goClose);
    EXPECT_EQ(Answer(box, grDraw, [&box] { box.close(); }), goClose);
    EXPECT_EQ(Answer(box, grDraw, [&box] { box.reject(); }), goClose) << "Escape";
}

} // namespace
