// The player's record: how streaks count, and that a result is kept at once in the
// settings store. A real variant's result is counted in WholeGameTest.
#include "support/MainWindowFixture.h"

#include "GameOverStep.h"
#include "ScriptedGameOver.h"
#include "SettingsStore.h"
#include "Statistics.h"

#include <QSettings>

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
    // A click the game reads as a pick and takes as a move.
    static void Click(TFakeGame* game)
    {
        game->Waiting = true;
        game->PostState(stInput);
        Pump();
        game->PostState(TFakeGame::AcceptPick);
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

} // namespace
