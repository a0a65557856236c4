// The program over a hostile settings file: each value as text that is not a number,
// over 32 bits, negative, out of range or empty; a file of random bytes; a folder where
// the file should be; a read-only folder; a configuration folder that is not there.
// Each time the window starts, says what it must, plays a whole game and exits, and the
// file keeps what it held.
#include "Clock.h"
#include "Messages.h"
#include "Prefs.h"
#include "ProgramGames.h"
#include "Random.h"
#include "ScriptedGameOver.h"
#include "UMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A whole store of valid values, none of them a default.
const std::vector<std::pair<QString, QString>> GoodStore = {
    {"StartColor", "255"},  {"EndColor", "65280"},  {"DrawFrame", "0"},
    {"BackType", "6"},      {"CardBack", "3"},      {"AnimateTime", "400"},
    {"ShowToolbar", "0"},   {"FlatButtons", "0"},   {"AnimateType", "2"},
    {"Background", "2"},
};

class HostileSettings : public ::testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        Clock::SetManual(true);
        answers.Answer = [](int) { return goClose; };
    }
    void TearDown() override
    {
        Clock::SetManual(false);
        SetAnimationTime(250);
    }

    // Every store is a new file: the settings reader caches a file by its size and time
    // stamp, which two quick writes of the same length may share.
    QString StorePath() const { return dir.filePath(QStringLiteral("Zelmo %1.conf").arg(generation)); }

    void Store(const std::vector<std::pair<QString, QString>>& values)
    {
        ++generation;
        QFile file(StorePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\n");
        for (const auto& [name, value] : values)
            file.write((name + '=' + value + '\n').toUtf8());
    }

    // The program's life over the store at path: start, one whole game, exit.
    void RunProgram(const QString& path)
    {
        reports.clear();
        auto window = std::make_unique<TFMain>(ProgramGames());
        window->SetConfirm([](QWidget*, const QString&) { return true; });
        auto prefs = std::make_unique<TFPrefs>(*window, TSettingsStore(path),
                                               [this](const QString& text) { reports << text; });
        window->SetPreferencesDialog(prefs.get());
        window->show();
        SetRandSeed(++runs);
        window->ChooseGame(runs % 3);
        QCoreApplication::sendPostedEvents(window.get(), WM_STARTGAME);
        const QPointer<TZelmoGame> game(window->Game());
        ASSERT_FALSE(game.isNull()) << "no game started";
        window->SetAutoplayCommand(true);
        const size_t asked = answers.Results.size();
        for (int i = 0; i < 200000 && game; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        EXPECT_TRUE(game.isNull()) << "the game did not end";
        EXPECT_EQ(answers.Results.size(), asked + 1) << "no result";
        prefs.reset(); // saves, as at program end
    }

    std::map<QString, QString> Stored() const
    {
        QSettings store(StorePath(), QSettings::IniFormat);
        std::map<QString, QString> values;
        for (const QString& key : store.allKeys())
            values[key] = store.value(key).toString();
        return values;
    }

    QTemporaryDir dir;
    TScriptedGameOver answers;
    TGameOverQuestionScope answering{&answers};
    QStringList reports;
    int runs = 0;
    int generation = 0;
};

TEST_F(HostileSettings, EachBadValueIsSaidOrReplacedAndTheOthersStayAsStored)
{
    const struct {
        const char* text;
        bool wrongType;
    } bad[] = {{"snow", true}, {"99999999999", true}, {"", true}, {"-5", false}, {"70000", false}};
    for (const auto& [name, good] : GoodStore) {
        for (const auto& [text, wrongType] : bad) {
            SCOPED_TRACE(name.toStdString() + "=" + text);
            auto values = GoodStore;
            for (auto& value : values)
                if (value.first == name)
                    value.second = QString::fromUtf8(text);
            Store(values);
            RunProgram(StorePath());
            const QStringList said{wrongType ? "Invalid data type for '" + name + "'" : ""};
            EXPECT_EQ(reports, wrongType ? said : QStringList());
            const auto stored = Stored();
            for (const auto& [other, value] : GoodStore)
                if (other != name)
                    EXPECT_EQ(stored.at(other), value) << other.toStdString() << " lost";
            if (HasFailure())
                return;
        }
    }
}

TEST_F(HostileSettings, RandomBytesAFolderInTheWayAReadOnlyFolderAndNoFolderAtAll)
{
    ++generation;
    QByteArray noise(3000, Qt::Uninitialized);
    uint32_t seed = 99;
    for (char& c : noise)
        c = char((seed = seed * 134775813 + 1) >> 24);
    {
        QFile file(StorePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(noise);
    }
    RunProgram(StorePath());
    QFile kept(StorePath() + ".unreadable");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), noise);
    EXPECT_EQ(Stored().count("CardBack"), 1u) << "a clean store in its place";

    ++generation;
    ASSERT_TRUE(QDir().mkpath(StorePath() + "/inside"));
    RunProgram(StorePath());
    EXPECT_TRUE(QFileInfo(StorePath() + "/inside").isDir()) << "the folder is left alone";
    ASSERT_TRUE(QDir(StorePath()).removeRecursively());

    Store(GoodStore);
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    RunProgram(StorePath());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(Stored().at("CardBack"), "3");
    EXPECT_TRUE(reports.isEmpty());

    const QString missing = dir.filePath("not yet/Christmas Zelmo.conf");
    RunProgram(missing);
    EXPECT_TRUE(QFileInfo(missing).isFile()) << "the folder is made at exit";
}

} // namespace
