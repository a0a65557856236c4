// The player's record: what counts and how, kept at once in the settings store, and the
// dialog that shows it. A real variant's result is counted in WholeGameTest.
#include "support/MainWindowFixture.h"

#include "Artifacts.h"
#include "GameOverStep.h"
#include "GradientButton.h"
#include "ScriptedGameOver.h"
#include "SettingsStore.h"
#include "Statistics.h"

#include <QComboBox>
#include <QFile>
#include <QSettings>
#include <QTableWidget>

namespace {

class StatisticsTest : public MainWindowFixture {
protected:
    StatisticsTest()
    {
        gameOver.Answer = [](int) { return goClose; };
    }
    QString StorePath() const { return storeDir.filePath(QStringLiteral("store.conf")); }
    TPlayerRecord Stored(int kind) const
    {
        return TStatisticsStore(StorePath()).Load(TGameKinds::Name(kind));
    }
    // A click the game reads as a pick, taken as a move or refused.
    static void Click(TFakeGame* game, bool accepted = true)
    {
        game->Waiting = true;
        game->PostState(stInput);
        Pump();
        game->PostState(accepted ? TFakeGame::AcceptPick : TFakeGame::RefusePick);
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
    // Ends the running game through End game, answering yes.
    void Abandon()
    {
        window->EndGame();
        Pump();
    }

    TScriptedGameOver gameOver;
    TGameOverQuestionScope scope{&gameOver};
};

TEST_F(StatisticsTest, StreaksRunOnThroughAbandonedGamesAndEndOnAnotherResult)
{
    const auto streak = [this] {
        const TPlayerRecord r = Stored(0);
        return std::tuple(r.StreakKind, r.Streak, r.LongestWinning, r.LongestLosing);
    };
    PlayTo(0, stHumanWins);
    PlayTo(0, stHumanWins);
    Click(Start(0));
    Abandon();
    PlayTo(0, stHumanWins);
    EXPECT_EQ(streak(), std::tuple(TPlayerRecord::skWins, 3, 3, 0));
    EXPECT_EQ(Stored(0).Abandoned, 1);
    EXPECT_EQ(Stored(0).Lost, 0) << "an abandoned game is never a loss";

    PlayTo(0, stCpuWins);
    PlayTo(0, stCpuWins);
    EXPECT_EQ(streak(), std::tuple(TPlayerRecord::skLosses, 2, 3, 2));
    PlayTo(0, stDraw);
    EXPECT_EQ(streak(), std::tuple(TPlayerRecord::skNone, 0, 3, 2)) << "a draw ends a streak";
    PlayTo(0, stHumanWins);
    EXPECT_EQ(streak(), std::tuple(TPlayerRecord::skWins, 1, 3, 2));
}

TEST_F(StatisticsTest, GamesThePlayerDidNotPlayCountAsNothing)
{
    // Ended before the first move, by each way out.
    Start(0);
    Abandon();
    Start(1);
    window->ChooseGame(2);
    Pump();
    window->EndGame();
    Pump();
    // A card the rules refused is no move.
    Click(Start(0), false);
    Abandon();
    // Under autoplay from the start, to its result.
    TFakeGame* game = Start(1);
    window->SetAutoplayCommand(true);
    Click(game);
    game->PostState(stHumanWins);
    Pump();
    for (int kind = 0; kind < 3; ++kind)
        EXPECT_EQ(Stored(kind), TPlayerRecord()) << kind;
    EXPECT_FALSE(QFile::exists(StorePath())) << "nothing was written";

    // Autoplay switched on after a move of the player's: counts as usual.
    game = Start(1);
    Click(game);
    window->SetAutoplayCommand(true);
    Click(game);
    game->PostState(stCpuWins);
    Pump();
    EXPECT_EQ(Stored(1).Lost, 1);
}

TEST_F(StatisticsTest, PlayAgainCountsTheNextGameAnew)
{
    int again = 2;
    gameOver.Answer = [&again](int) { return again-- > 0 ? goPlayAgain : goClose; };
    TFakeGame* game = Start(2);
    Click(game);
    game->PostState(stHumanWins);
    Pump();
    ASSERT_EQ(window->Game(), game) << "the same game plays again";
    EXPECT_EQ(Stored(2).Won, 1);
    // The second game ends with no move of the player's: nothing.
    game->PostState(stCpuWins);
    Pump();
    EXPECT_EQ(Stored(2).Played(), 1);
    // The third is played, and left.
    Click(game);
    Abandon();
    EXPECT_EQ(Stored(2).Abandoned, 1);
    EXPECT_EQ(Stored(2).Played(), 2);
}

// A killed program loses nothing counted, and saving the preferences keeps the records.
TEST_F(StatisticsTest, AResultIsOnDiskBeforeTheBoxAsksAndOutlivesTheSettingsSave)
{
    int seen = -1;
    gameOver.Answer = [&](int) {
        // Read back from the file itself, as a new run of the program would.
        QSettings file(StorePath(), QSettings::IniFormat);
        seen = file.value(QStringLiteral("Statistics/Heap/Won")).toInt();
        return goClose;
    };
    PlayTo(1, stHumanWins);
    EXPECT_EQ(seen, 1);
    ASSERT_TRUE(TSettingsStore(StorePath()).Save(TSettings::Defaults()));
    EXPECT_EQ(Stored(1).Won, 1);
    // And a new run counts on from what is stored.
    MakeWindow({0, 1, 2});
    PlayTo(1, stHumanWins);
    EXPECT_EQ(Stored(1).Won, 2);
    EXPECT_EQ(Stored(1).Streak, 2);
}

TEST_F(StatisticsTest, TheStoreReadsBadValuesAsZeroWithAWarningAndKeepsThePreferences)
{
    QFile file(StorePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nAnimateTime=400\nBackgroundImage=/pictures/fir.jpg\n"
               "[Statistics]\nMover\\Won=abc\nMover\\Lost=-3\nMover\\Drawn=2147483648\n"
               "Mover\\Abandoned=\nMover\\LongestWinning=7\nMover\\Streak=9\nMover\\StreakKind=1\n"
               "Heap\\Won=2147483647\n");
    file.close();

    QStringList warnings;
    const TStatisticsStore store(StorePath(), [&](const QString& line) { warnings << line; });
    const TPlayerRecord mover = store.Load(QStringLiteral("Mover"));
    EXPECT_EQ(std::tuple(mover.Won, mover.Lost, mover.Drawn, mover.Abandoned),
              std::tuple(0, 0, 0, 0));
    EXPECT_EQ(warnings.size(), 4);
    for (const QString& line : warnings)
        EXPECT_FALSE(line.contains(u'\n'));
    EXPECT_TRUE(warnings.value(0).contains(QStringLiteral("Statistics/Mover/Won")));
    EXPECT_EQ(mover.LongestWinning, 9) << "the longest run is never shorter than the current";
    EXPECT_EQ(store.Load(QStringLiteral("Heap")).Won, 2147483647);

    TPlayerRecord heap = store.Load(QStringLiteral("Heap"));
    heap.CountResult(grHumanWins);
    EXPECT_EQ(heap.Won, 2147483647) << "a count stops at the largest value kept";

    ASSERT_TRUE(store.Reset());
    EXPECT_EQ(store.Load(QStringLiteral("Heap")), TPlayerRecord());
    QSettings after(StorePath(), QSettings::IniFormat);
    EXPECT_EQ(after.value(QStringLiteral("AnimateTime")).toString(), "400");
    EXPECT_EQ(after.value(QStringLiteral("BackgroundImage")).toString(), "/pictures/fir.jpg");
    EXPECT_TRUE(after.childGroups().isEmpty());
}

// Each result of each variant counts once, is shown for a moment in the status bar, and
// is listed in the dialog with the total; games against the strong player are kept and
// shown apart, from the next game on.
TEST_F(StatisticsTest, TheDialogShowsEachVariantTheTotalAndEachPlayerApartAndResetsOnYesOnly)
{
    for (int state : {stHumanWins, stHumanWins, stCpuWins})
        PlayTo(0, state);
    PlayTo(1, stDraw);
    for (int state : {stCpuWins, stCpuWins, stHumanWins, stCpuWins})
        PlayTo(2, state);
    EXPECT_EQ(StatusText(), "Round: 1 won, 3 lost, 0 drawn");
    Click(Start(2));
    Abandon();
    window->Settings().CpuPlayer = cpStrong;
    PlayTo(0, stCpuWins);
    EXPECT_EQ(StatusText(), "Mover (strong CPU): 0 won, 1 lost, 0 drawn");
    EXPECT_EQ(gameOver.Results.size(), 9u) << "the game-over box itself is unchanged";

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
    EXPECT_EQ(row(0), "3 2 1 0 0 67% 1 lost 2 1");
    EXPECT_EQ(row(1), "1 0 0 1 0 - - 0 0");
    EXPECT_EQ(row(2), "5 1 3 0 1 25% 1 lost 1 2");
    EXPECT_EQ(row(3), "9 3 4 1 1 43%  2 2");
    SaveArtifact(dialog.grab().toImage(), "statistics.png");
    dialog.Opponent()->setCurrentIndex(1);
    EXPECT_EQ(row(0), "1 0 1 0 0 0% 1 lost 0 1");
    EXPECT_EQ(row(3), "1 0 1 0 0 0%  0 1");
    dialog.Opponent()->setCurrentIndex(0);

    expectedQuestion = QStringLiteral("Reset the statistics of all games?");
    const int asked = questions;
    answer = false;
    dialog.ResetButton()->click();
    EXPECT_EQ(questions, asked + 1);
    EXPECT_EQ(row(3), "9 3 4 1 1 43%  2 2");
    answer = true;
    dialog.ResetButton()->click();
    EXPECT_EQ(row(3), "0 0 0 0 0 -  0 0");
    EXPECT_EQ(Stored(2), TPlayerRecord());
    dialog.CloseButton()->click();
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
