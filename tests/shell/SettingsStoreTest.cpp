// The settings store: the number forms it reads, the range rules, a wrong-typed value,
// and a store that cannot be read or written. Bad values through the preferences dialog
// are in PrefsDialogTest.
#include "SettingsStore.h"
#include "AnimationTime.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    ~SettingsStoreTest() override { SetAnimationTime(250); } // loading sets it

    TSettingsStore::TLoadReport Load()
    {
        loaded = TSettings::Defaults();
        return TSettingsStore(files.Path()).Load(loaded);
    }

    TStoreFiles files;
    TSettings loaded;
};

// Whole 32-bit numbers are read, negative ones as their two's complement, and nothing
// else. Each value just outside its range gets the replacement; the edge itself is kept.
TEST_F(SettingsStoreTest, WholeThirtyTwoBitNumbersOnlyAndValuesOutsideTheirRangeReplaced)
{
    const std::pair<const char*, uint32_t> accepted[] = {
        {"0", 0u}, {"4294967295", 4294967295u}, {"-1", 4294967295u},
        {"-2147483648", 2147483648u}, {"0000000250", 250u}};
    for (const auto& [text, value] : accepted)
        EXPECT_EQ(TSettingsStore::ParseDword(text), value) << text;
    for (const char* text :
         {"4294967296", "-2147483649", "12x", "", "-", "+5", " 5", "0x10", "1.5"})
        EXPECT_EQ(TSettingsStore::ParseDword(text), std::nullopt) << text;
    const struct {
        const char* name;
        int TSettings::*field;
        std::vector<std::pair<const char*, int>> loads; // stored text, value loaded
    } cases[] = {
        {"AnimateTime",
         &TSettings::AnimateTime,
         {{"9", 250}, {"1001", 250}, {"10", 10}, {"1000", 1000}}},
        {"Background", &TSettings::Background, {{"7", 4}, {"6", 6}}},
        {"BackType", &TSettings::BackType, {{"8", 0}, {"7", 7}}},
        {"CardBack", &TSettings::CardBack, {{"14", 0}, {"13", 13}}},
        {"AnimateType", &TSettings::AnimateType, {{"5", 0}, {"4", 4}}},
        {"CpuPlayer", &TSettings::CpuPlayer, {{"1", 1}, {"2", 0}, {"4294967295", 0}}},
        // 0 fits the table to the window.
        {"Zoom", &TSettings::Zoom, {{"0", 0}, {"150", 150}, {"125", 100}, {"-1", 100}}},
    };
    for (const auto& c : cases) {
        for (const auto& [text, expected] : c.loads) {
            SCOPED_TRACE(std::string(c.name) + "=" + text);
            files.Write(QByteArray(c.name) + '=' + text + '\n');
            EXPECT_FALSE(Load().WrongType);
            EXPECT_EQ(loaded.*c.field, expected);
        }
    }
    for (const char* zoom : {"0", "200", "99", "300"}) {
        files.Write(QByteArray("Zoom=") + zoom + '\n');
        Load();
        EXPECT_EQ(TSettingsStore(files.Path()).StoredZoom(), loaded.Zoom)
            << "the start reads as the dialog";
    }
    files.Write("AnimateTime=400\nDrawFrame=7\n");
    Load();
    EXPECT_EQ(AnimationTime(), 400) << "the shared animation time follows the stored one";
    EXPECT_TRUE(loaded.DrawFrame) << "any non-zero value is true";
    // Background 0 is the player's own picture, while its file reads.
    const QString picture = QDir(files.Folder()).filePath(QStringLiteral("mine.bmp"));
    ASSERT_TRUE(QImage(30, 20, QImage::Format_RGB32).save(picture));
    files.Write("Background=0\nBackgroundImage=" + picture.toUtf8() + '\n');
    Load();
    EXPECT_EQ(loaded.Background, 0);
    EXPECT_EQ(loaded.BackPicture.size(), QSize(30, 20));
}

TEST_F(SettingsStoreTest, TheWindowIsKeptOnceItHasASize)
{
    TSettings settings = TSettings::Defaults();
    ASSERT_TRUE(TSettingsStore(files.Path()).Save(settings));
    EXPECT_EQ(files.Stored().count("WindowWidth"), 0u)
        << "nothing kept before the window was shown";
    settings.Window = {-1200, 30, 1920, 1040, wsFullScreen};
    ASSERT_TRUE(TSettingsStore(files.Path()).Save(settings));
    Load();
    EXPECT_EQ(
        QRect(loaded.Window.Left, loaded.Window.Top, loaded.Window.Width, loaded.Window.Height),
        QRect(-1200, 30, 1920, 1040))
        << "on a screen left of the first one";
    EXPECT_EQ(loaded.Window.State, wsFullScreen);
    files.Write("WindowWidth=65536\nWindowHeight=900\nWindowState=3\n");
    Load();
    EXPECT_EQ(loaded.Window.Width, 0) << "a size past any screen is no size";
    EXPECT_EQ(loaded.Window.State, wsNormal);
}

TEST_F(SettingsStoreTest, AWrongTypeStopsTheReadingThere)
{
    files.Write("StartColor=255\nEndColor=65280\nDrawFrame=0\nBackType=abc\nCardBack=3\n"
                "AnimateTime=500\nBackground=2\n");
    const auto report = Load();
    ASSERT_EQ(report.WrongType, QStringLiteral("BackType"));
    EXPECT_EQ(report.Unread, QStringList({"CardBack", "AnimateTime", "Background"}));
    EXPECT_EQ(loaded.StartColor, 255u) << "read before the bad value";
    EXPECT_FALSE(loaded.DrawFrame);
    EXPECT_EQ(loaded.CardBack, 6) << "after it: the default";
    EXPECT_EQ(loaded.AnimateTime, 250);
    EXPECT_EQ(loaded.Background, 4);
    EXPECT_EQ(loaded.BackPicture, BuiltInBackground(4)) << "still a whole, consistent look";

    files.Write("AnimateType=1,2\n"); // the store reads this as a list
    EXPECT_EQ(Load().WrongType, QStringLiteral("AnimateType"));
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeReadOrWrittenLosesNothing)
{
    // Bytes the reader cannot parse are kept aside, and a clean store takes their place.
    const QByteArray noise = Noise(3000, 99);
    files.WriteBytes(noise);
    EXPECT_TRUE(TSettingsStore(files.Path()).Save(TSettings::Defaults()));
    EXPECT_EQ(FileBytes(files.Path() + ".unreadable"), noise);
    EXPECT_EQ(files.Stored().count("CardBack"), 1u);
    // A configuration folder that is not there yet is made.
    const QString missing = QDir(files.Folder()).filePath("not yet/Christmas Zelmo.conf");
    EXPECT_TRUE(TSettingsStore(missing).Save(TSettings::Defaults()));
    EXPECT_TRUE(QFileInfo(missing).isFile());

    files.Write("CardBack=3\n");
    const QByteArray before = FileBytes(files.Path());
    TSettings s = TSettings::Defaults();
    s.CardBack = 9;
    // A read-only folder.
    ASSERT_TRUE(QFile::setPermissions(files.Folder(), QFile::ReadOwner | QFile::ExeOwner));
    const bool rootIgnoresModes = QFileInfo(files.Folder()).isWritable();
    const bool saved = TSettingsStore(files.Path()).Save(s);
    QFile::setPermissions(files.Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!rootIgnoresModes) {
        EXPECT_FALSE(saved);
        EXPECT_EQ(FileBytes(files.Path()), before);
    }
    // A folder where the file should be: refused whoever runs the test.
    const QString blocked = files.NextPath();
    ASSERT_TRUE(QDir().mkpath(blocked + "/inside"));
    EXPECT_FALSE(TSettingsStore(blocked).Save(s));
    EXPECT_TRUE(QFileInfo(blocked + "/inside").isDir());
}

} // namespace
