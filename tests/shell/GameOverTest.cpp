// The game-over box: each result, its answers and its pictures.
#include "GameOver.h"
#include "Artifacts.h"
#include "GradientButton.h"
#include "Random.h"

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
