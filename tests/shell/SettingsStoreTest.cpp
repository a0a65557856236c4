// The settings store: the number format, the range rules, a wrong-typed value, what a
// picture or a colour background keeps, a store that cannot be written or read. The
// same faults through the whole program are in HostileSettingsTest.
#include "SettingsStore.h"
#include "AnimationTime.h"
#include "Board.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() { SetAnimationTime(250); }
    ~SettingsStoreTest() override { SetAnimationTime(250); }

    TSettingsStore::TLoadReport Load()
    {
        loaded = TSettings::Defaults();
        return TSettingsStore(files.Path()).Load(loaded);
    }
    QString Picture(const char* name)
    {
        const QString path = QDir(files.Folder()).filePath(QString::fromUtf8(name));
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }

    TStoreFiles files;
    TSettings loaded;
};

TEST(SettingsStoreParse, WholeThirtyTwoBitNumbersOnly)
{
    const std::pair<const char*, uint32_t> accepted[] = {{"0", 0u},
                                                         {"250", 250u},
                                                         {"4294967295", 4294967295u},
                                                         {"-1", 4294967295u},
                                                         {"-2147483648", 2147483648u},
                                                         {"2147483648", 2147483648u}};
    for (const auto& [text, value] : accepted)
        EXPECT_EQ(TSettingsStore::ParseDword(text), value) << text;
    for (const char* text :
         {"4294967296", "-2147483649", "abc", "12x", "", "-", "+5", " 5", "0x10", "1.5"})
        EXPECT_EQ(TSettingsStore::ParseDword(text), std::nullopt) << text;
}

TEST_F(SettingsStoreTest, ValuesOutsideTheirRangeAreReplaced)
{
    const struct {
        const char* line;
        int TSettings::*field;
        int expected;
    } cases[] = {{"AnimateTime=5", &TSettings::AnimateTime, 250},
                 {"AnimateTime=1001", &TSettings::AnimateTime, 250},
                 {"AnimateTime=10", &TSettings::AnimateTime, 10},
                 {"AnimateTime=1000", &TSettings::AnimateTime, 1000},
                 {"Background=7", &TSettings::Background, 4},
                 {"Background=-1", &TSettings::Background, 4},
                 {"Background=6", &TSettings::Background, 6},
                 {"BackType=8", &TSettings::BackType, 0},
                 {"BackType=7", &TSettings::BackType, 7},
                 {"CardBack=14", &TSettings::CardBack, 0},
                 {"CardBack=13", &TSettings::CardBack, 13},
                 {"AnimateType=5", &TSettings::AnimateType, 0},
                 {"AnimateType=4", &TSettings::AnimateType, 4},
                 {"CpuPlayer=1", &TSettings::CpuPlayer, 1},
                 {"CpuPlayer=2", &TSettings::CpuPlayer, 0},
                 {"CpuPlayer=4294967295", &TSettings::CpuPlayer, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        SetAnimationTime(250);
        files.Write(QByteArray(c.line) + '\n');
        EXPECT_FALSE(Load().WrongType);
        EXPECT_EQ(loaded.*c.field, c.expected);
    }
    files.Write("AnimateTime=400\n");
    Load();
    EXPECT_EQ(AnimationTime(), 400) << "the shared animation time follows the stored one";
    files.Write("DrawFrame=7\nShowToolbar=0\nFlatButtons=4294967295\n");
    Load();
    EXPECT_TRUE(loaded.DrawFrame) << "any non-zero value is true";
    EXPECT_FALSE(loaded.ShowToolbar);
    EXPECT_TRUE(loaded.FlatButtons);
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

TEST_F(SettingsStoreTest, ACustomPictureLoadsOrFallsBackToSnowflakes)
{
    const QString file = Picture("mine.bmp");
    files.Write("BackType=6\nBackground=0\nBackgroundImage=" + file.toUtf8() + '\n');
    Load();
    EXPECT_EQ(loaded.Background, 0);
    EXPECT_EQ(loaded.BackPicture.size(), QSize(30, 20));
    EXPECT_EQ(loaded.BackgroundImage, file);

    ASSERT_TRUE(QFile::remove(file));
    Load();
    EXPECT_EQ(loaded.Background, 4) << "a picture background whose file is gone";
    EXPECT_EQ(loaded.BackPicture, BuiltInBackground(4));
    EXPECT_EQ(loaded.BackgroundImage, file) << "the name is kept for the file box";

    files.Write("Background=0\n");
    Load();
    EXPECT_EQ(loaded.Background, 4) << "no file named at all";
}

// A gradient leaves the picture choice as stored; a built-in picture names no file. That
// every value makes the round trip is HostileSettingsTest's.
TEST_F(SettingsStoreTest, AColourBackgroundLeavesThePictureChoiceAsStored)
{
    files.Write("Background=0\nBackgroundImage=/pictures/old.jpg\n");
    const QString image = "/pictures/old.jpg";
    TSettings s = TSettings::Defaults();
    s.BackType = btHGradient;
    s.Background = 2;
    const TSettingsStore store(files.Path());
    ASSERT_TRUE(store.Save(s));
    EXPECT_EQ(files.Stored().at("Background"), "0");
    EXPECT_EQ(files.Stored().at("BackgroundImage"), image);
    EXPECT_EQ(files.Stored().at("BackType"), "1");
    s.BackType = btTile;
    ASSERT_TRUE(store.Save(s));
    EXPECT_EQ(files.Stored().at("Background"), "2");
    EXPECT_EQ(files.Stored().at("BackgroundImage"), image);
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeWrittenLosesNothing)
{
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

TEST_F(SettingsStoreTest, AFileOfRandomBytesIsKeptAsideAndTheNewOneIsClean)
{
    const QByteArray noise = Noise(4000, 12345);
    files.WriteBytes(noise);
    Load(); // whatever it makes of the noise, the record stays whole
    EXPECT_FALSE(loaded.BackPicture.isNull());
    const TSettingsStore store(files.Path());
    TSettings s = TSettings::Defaults();
    s.CardBack = 9;
    EXPECT_TRUE(store.Save(s)) << "written, and said so";
    EXPECT_EQ(FileBytes(store.UnreadableCopy()), noise);
    EXPECT_EQ(files.Stored().at("CardBack"), "9");
    EXPECT_TRUE(store.Save(s));
    EXPECT_EQ(FileBytes(store.UnreadableCopy()), noise) << "a clean file is not set aside again";
}

} // namespace
