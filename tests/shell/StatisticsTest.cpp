// The player's record: what counts and how, kept at once in the settings store, and the
// dialog that shows it. A real variant's result is counted in FittedWindowTest's whole
// games by keys.
#include "support/MainWindowFixture.h"

#include "GameOverStep.h"
#include "GradientButton.h"
#include "ScriptedGameOver.h"
#include "SettingsStore.h"
#include "Statistics.h"

#include <QComboBox>
#include <QSettings>
#include <QTableWidget>

namespace {

class StatisticsTest : public MainWindowFixture {
protected:
    QString StorePath() const { return storeDir.filePath(QStringLiteral("store.conf")); }
    TPlayerRecord Stored(int kind) const
    {
        return TStatisticsStore(StorePath()).Load(TGameKinds::Name(kind));
    }
    // A click the game reads as a pick and takes as a move.
    static void Click(TFakeGame* game)
    {
        game->Waiting = true;
        game->PostState(stInput);
        Pump();
        game->PostState(TFakeGame::AcceptPick);
        Pump();
    }
    void Abandon()
    {
        window->EndGame();
        Pump();
    }
    // One game of the kind with a click, ended by the given game-over state.
    void PlayTo(int kind, int state)
    {
        TFakeGame* game = Start(kind);
        Click(game);
        game->PostState(state);
        Pump();
    }

    TScriptedGameOver gameOver;
    TGameOverQuestionScope scope{&gameOver};
};

// A result is on disk before the box asks, so a killed program loses nothing counted;
// saving the preferences keeps the record, and a new run counts on from it. Streaks run
// on through abandoned games and end on another result; the dialog shows each variant's
// row and the total, games against the strong player apart; Reset only on Yes.
TEST_F(StatisticsTest, StreaksAndTheDialogsRowsAndTotalWithResetOnYesOnly)
{
    const auto streak = [this] {
        const TPlayerRecord r = Stored(0);
        return std::tuple(r.StreakKind, r.Streak, r.LongestWinning, r.LongestLosing);
    };
    int seen = -1;
    gameOver.Answer = [&](int) {
        // Read back from the file itself, as a new run of the program would.
        seen = QSettings(StorePath(), QSettings::IniFormat).value("Statistics/Mover/Won").toInt();
        return goClose;
    };
    PlayTo(0, stHumanWins);
    EXPECT_EQ(seen, 1);
    PlayTo(0, stHumanWins);
    Click(Start(0));
    Abandon();
    Start(0); // left before a move: nothing at all
    Abandon();
    ASSERT_TRUE(TSettingsStore(StorePath()).Save(TSettings::Defaults()));
    MakeWindow({0, 1, 2});
    PlayTo(0, stHumanWins);
    EXPECT_EQ(streak(), std::tuple(TPlayerRecord::skWins, 3, 3, 0));
    EXPECT_EQ(Stored(0).Abandoned, 1);
    EXPECT_EQ(Stored(0).Lost, 0) << "an abandoned game is never a loss";
    PlayTo(0, stCpuWins);
    EXPECT_EQ(streak(), std::tuple(TPlayerRecord::skLosses, 1, 3, 1)) << "a loss starts anew";
    PlayTo(0, stCpuWins);
    PlayTo(0, stDraw);
    EXPECT_EQ(streak(), std::tuple(TPlayerRecord::skNone, 0, 3, 2)) << "a draw ends a streak";
    PlayTo(0, stHumanWins);
    EXPECT_EQ(streak(), std::tuple(TPlayerRecord::skWins, 1, 3, 2)) << "the longest stays";

    PlayTo(1, stDraw);
    for (int state : {stCpuWins, stCpuWins, stHumanWins, stCpuWins, stDraw})
        PlayTo(2, state);
    Click(Start(2));
    Abandon();
    window->Settings().CpuPlayer = cpStrong;
    PlayTo(0, stCpuWins);
    window->Settings().CpuPlayer = cpClassic;

    TFStatistics& dialog = window->StatisticsDialog();
    dialog.show();
    QTableWidget& table = *dialog.Table();
    const auto row = [&](int r) {
        QStringList cells;
        for (int c = 0; c < table.columnCount(); ++c)
            cells << table.item(r, c)->text();
        return cells.join(u' ');
    };
    EXPECT_EQ(table.verticalHeaderItem(3)->text(), "Total");
    // Played, won, lost, drawn, abandoned, won % of the decided games, streak, longest.
    EXPECT_EQ(row(0), "8 4 2 1 1 67% 1 won 3 2");
    EXPECT_EQ(row(1), "1 0 0 1 0 - - 0 0") << "draws alone: no percentage";
    EXPECT_EQ(row(2), "6 1 3 1 1 25% - 1 2");
    EXPECT_EQ(row(3), "15 5 5 3 2 50%  3 2");
    dialog.Opponent()->setCurrentIndex(1);
    EXPECT_EQ(row(0), "1 0 1 0 0 0% 1 lost 0 1");
    EXPECT_EQ(row(3), "1 0 1 0 0 0%  0 1");
    dialog.Opponent()->setCurrentIndex(0);

    expectedQuestion = QStringLiteral("Reset the statistics of all games?");
    const int asked = questions;
    answer = false;
    dialog.ResetButton()->click();
    EXPECT_EQ(questions, asked + 1);
    EXPECT_EQ(row(3), "15 5 5 3 2 50%  3 2");
    answer = true;
    dialog.ResetButton()->click();
    EXPECT_EQ(row(3), "0 0 0 0 0 -  0 0");
    EXPECT_EQ(Stored(0), TPlayerRecord());
    PlayTo(1, stHumanWins);
    EXPECT_EQ(Stored(1).Streak, 1) << "counting starts again from nothing";
}

} // namespace
