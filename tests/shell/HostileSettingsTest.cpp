// The program over a hostile settings file: each value as text that is not a number,
// over 32 bits, negative, out of range or empty; a file of random bytes; a folder where
// the file should be; a read-only folder; a configuration folder that is not there.
// Each time the window starts, says what it must, plays a whole game (every other time,
// for the bad values one by one) and exits, and the file keeps what it held.
#include "Prefs.h"
#include "Random.h"
#include "support/ProgramWindow.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A whole store of valid values, none of them a default.
const std::vector<std::pair<QString, QString>> GoodStore = {
    {"StartColor", "255"}, {"EndColor", "65280"},  {"DrawFrame", "0"},   {"BackType", "6"},
    {"CardBack", "3"},     {"AnimateTime", "400"}, {"ShowToolbar", "0"}, {"FlatButtons", "0"},
    {"AnimateType", "2"},  {"Background", "2"},
};

QByteArray Lines(const std::vector<std::pair<QString, QString>>& values)
{
    QByteArray lines;
    for (const auto& [name, value] : values)
        lines += (name + '=' + value + '\n').toUtf8();
    return lines;
}

class HostileSettings : public ProgramWindowFixture {
protected:
    // The program's life over the store at path: start, one whole game unless told not
    // to play, exit.
    void RunProgram(const QString& path, bool play = true)
    {
        reports.clear();
        NewWindow();
        auto prefs = std::make_unique<TFPrefs>(*window, TSettingsStore(path),
                                               [this](const QString& text) { reports << text; });
        window->SetPreferencesDialog(prefs.get());
        window->show();
        if (!play) {
            prefs.reset();
            return;
        }
        SetRandSeed(++runs);
        const QPointer<TZelmoGame> game(StartGame(runs % 3));
        ASSERT_FALSE(game.isNull()) << "no game started";
        window->SetAutoplayCommand(true);
        const size_t asked = answers.Results.size();
        EXPECT_TRUE(UntilFreed(game)) << "the game did not end";
        EXPECT_EQ(answers.Results.size(), asked + 1) << "no result";
        prefs.reset(); // saves, as at program end
    }

    TStoreFiles files;
    QStringList reports;
    int runs = 0;
};

TEST_F(HostileSettings, EachBadValueIsSaidOrReplacedAndTheOthersStayAsStored)
{
    const struct {
        const char* text;
        bool wrongType;
    } bad[] = {{"snow", true}, {"99999999999", true}, {"", true}, {"-5", false}, {"70000", false}};
    // Each bad form in each value, a whole game played over every other pair of them.
    for (size_t i = 0; i < GoodStore.size(); ++i) {
        const QString& name = GoodStore[i].first;
        for (size_t j = 0; j < std::size(bad); ++j) {
            const auto& [text, wrongType] = bad[j];
            SCOPED_TRACE(name.toStdString() + "=" + text);
            auto values = GoodStore;
            for (auto& value : values)
                if (value.first == name)
                    value.second = QString::fromUtf8(text);
            files.Write(Lines(values));
            RunProgram(files.Path(), (i + j) % 2 == 0);
            EXPECT_EQ(reports, wrongType ? QStringList{"Invalid data type for '" + name + "'"}
                                         : QStringList());
            const auto stored = files.Stored();
            for (const auto& [other, value] : GoodStore) {
                if (other != name) {
                    EXPECT_EQ(stored.at(other), value) << other.toStdString() << " lost";
                }
            }
            if (HasFailure())
                return;
        }
    }
}

TEST_F(HostileSettings, RandomBytesAFolderInTheWayAReadOnlyFolderAndNoFolderAtAll)
{
    const QByteArray noise = Noise(3000, 99);
    files.WriteBytes(noise);
    RunProgram(files.Path());
    EXPECT_EQ(FileBytes(files.Path() + ".unreadable"), noise);
    EXPECT_EQ(files.Stored().count("CardBack"), 1u) << "a clean store in its place";

    const QString folder = files.NextPath();
    ASSERT_TRUE(QDir().mkpath(folder + "/inside"));
    RunProgram(folder);
    EXPECT_TRUE(QFileInfo(folder + "/inside").isDir()) << "the folder is left alone";
    ASSERT_TRUE(QDir(folder).removeRecursively());

    files.Write(Lines(GoodStore));
    ASSERT_TRUE(QFile::setPermissions(files.Folder(), QFile::ReadOwner | QFile::ExeOwner));
    RunProgram(files.Path());
    QFile::setPermissions(files.Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(files.Stored().at("CardBack"), "3");
    EXPECT_TRUE(reports.isEmpty());

    const QString missing = QDir(files.Folder()).filePath("not yet/Christmas Zelmo.conf");
    RunProgram(missing);
    EXPECT_TRUE(QFileInfo(missing).isFile()) << "the folder is made at exit";
}

} // namespace
