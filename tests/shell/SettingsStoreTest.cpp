// The settings store: reading with every range rule and a wrong-typed value, writing
// what a picture or a colour background keeps, and a store that cannot be written.
#include "AnimationTime.h"
#include "Board.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

// Every stored value of a record but the picture itself, to compare records at once.
auto Fields(const TSettings& s)
{
    return std::tuple(s.StartColor, s.EndColor, s.DrawFrame, s.BackType, s.CardBack, s.AnimateTime,
                      s.ShowToolbar, s.FlatButtons, s.AnimateType, s.Background,
                      s.BackgroundImage.toStdString(), s.CpuPlayer);
}

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() { SetAnimationTime(250); }
    ~SettingsStoreTest() override { SetAnimationTime(250); }

    // Every hand-written store is a new file: QSettings caches a file by its size and
    // time stamp, which two quick writes of the same length may share.
    QString StorePath() const { return dir.filePath(QStringLiteral("Zelmo %1.conf").arg(generation)); }
    // Writes the file by hand, in order, exactly as given.
    void Store(const std::vector<std::pair<const char*, const char*>>& values)
    {
        ++generation;
        QFile file(StorePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\n");
        for (const auto& [name, value] : values)
            file.write(QByteArray(name) + '=' + value + '\n');
    }
    TSettingsStore::TLoadReport Load()
    {
        loaded = TSettings::Defaults();
        return TSettingsStore(StorePath()).Load(loaded);
    }
    QString Picture(const char* name)
    {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
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
    int generation = 0;
    TSettings loaded;
};

TEST(SettingsStoreParse, WholeThirtyTwoBitNumbersOnly)
{
    const std::pair<const char*, std::optional<uint32_t>> cases[] = {
        {"0", 0u},
        {"250", 250u},
        {"4294967295", 4294967295u},
        {"-1", 4294967295u},
        {"-2147483648", 2147483648u},
        {"2147483648", 2147483648u},
        {"4294967296", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999", std::nullopt},
        {"abc", std::nullopt},
        {"12x", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+5", std::nullopt},
        {" 5", std::nullopt},
        {"0x10", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(TSettingsStore::ParseDword(QString::fromUtf8(text)), expected) << text;
}

TEST_F(SettingsStoreTest, AnEmptyStoreGivesTheDefaults)
{
    const auto report = Load();
    EXPECT_FALSE(report.WrongType);
    EXPECT_TRUE(report.Read.isEmpty());
    EXPECT_EQ(Fields(loaded), std::tuple(0u, 0x0000FF00u, true, int(btTile), 6, 250, true, true, 0,
                                         4, std::string(), 0));
    EXPECT_EQ(loaded.BackPicture, BuiltInBackground(4)) << "Snowflakes 1";
}

TEST_F(SettingsStoreTest, ValuesOutsideTheirRangeAreReplaced)
{
    const struct {
        const char* name;
        const char* value;
        int TSettings::*field;
        int expected;
    } cases[] = {
        {"AnimateTime", "5", &TSettings::AnimateTime, 250},
        {"AnimateTime", "1001", &TSettings::AnimateTime, 250},
        {"AnimateTime", "10", &TSettings::AnimateTime, 10},
        {"AnimateTime", "1000", &TSettings::AnimateTime, 1000},
        {"Background", "7", &TSettings::Background, 4},
        {"Background", "-1", &TSettings::Background, 4},
        {"Background", "6", &TSettings::Background, 6},
        {"BackType", "8", &TSettings::BackType, 0},
        {"BackType", "7", &TSettings::BackType, 7},
        {"CardBack", "14", &TSettings::CardBack, 0},
        {"CardBack", "13", &TSettings::CardBack, 13},
        {"AnimateType", "5", &TSettings::AnimateType, 0},
        {"AnimateType", "4", &TSettings::AnimateType, 4},
        {"CpuPlayer", "1", &TSettings::CpuPlayer, 1},
        {"CpuPlayer", "2", &TSettings::CpuPlayer, 0},
        {"CpuPlayer", "4294967295", &TSettings::CpuPlayer, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.name << "=" << c.value);
        SetAnimationTime(250);
        Store({{c.name, c.value}});
        EXPECT_FALSE(Load().WrongType);
        EXPECT_EQ(loaded.*c.field, c.expected);
    }
    Store({{"AnimateTime", "400"}});
    Load();
    EXPECT_EQ(AnimationTime(), 400) << "the shared animation time follows the stored one";
    Store({{"DrawFrame", "7"}, {"ShowToolbar", "0"}, {"FlatButtons", "4294967295"}});
    Load();
    EXPECT_TRUE(loaded.DrawFrame) << "any non-zero value is true";
    EXPECT_FALSE(loaded.ShowToolbar);
    EXPECT_TRUE(loaded.FlatButtons);
}

TEST_F(SettingsStoreTest, AWrongTypeStopsTheReadingThere)
{
    Store({{"StartColor", "255"}, {"EndColor", "65280"}, {"DrawFrame", "0"}, {"BackType", "abc"},
           {"CardBack", "3"}, {"AnimateTime", "500"}, {"Background", "2"}});
    auto report = Load();
    ASSERT_EQ(report.WrongType, QStringLiteral("BackType"));
    EXPECT_EQ(report.Unread, QStringList({"CardBack", "AnimateTime", "Background"}));
    EXPECT_EQ(loaded.StartColor, 255u) << "read before the bad value";
    EXPECT_FALSE(loaded.DrawFrame);
    EXPECT_EQ(loaded.CardBack, 6) << "after it: the default";
    EXPECT_EQ(loaded.AnimateTime, 250);
    EXPECT_EQ(loaded.Background, 4);
    EXPECT_EQ(loaded.BackPicture, BuiltInBackground(4)) << "still a whole, consistent look";

    Store({{"StartColor", "12x"}});
    EXPECT_EQ(Load().WrongType, QStringLiteral("StartColor"));
    Store({{"CardBack", "2"}, {"Background", "99999999999"}});
    report = Load();
    EXPECT_EQ(report.WrongType, QStringLiteral("Background"));
    EXPECT_EQ(loaded.CardBack, 2);
    Store({{"AnimateType", "1,2"}}); // the store reads this as a list
    EXPECT_EQ(Load().WrongType, QStringLiteral("AnimateType"));
}

TEST_F(SettingsStoreTest, ACustomPictureLoadsOrFallsBackToSnowflakes)
{
    const QString file = Picture("mine.bmp");
    Store({{"BackType", "6"}, {"Background", "0"}, {"BackgroundImage", file.toUtf8()}});
    Load();
    EXPECT_EQ(loaded.Background, 0);
    EXPECT_EQ(loaded.BackPicture.size(), QSize(30, 20));
    EXPECT_EQ(loaded.BackgroundImage, file);

    ASSERT_TRUE(QFile::remove(file));
    Load();
    EXPECT_EQ(loaded.Background, 4) << "a picture background whose file is gone";
    EXPECT_EQ(loaded.BackPicture, BuiltInBackground(4));
    EXPECT_EQ(loaded.BackgroundImage, file) << "the name is kept for the file box";

    Store({{"Background", "0"}});
    Load();
    EXPECT_EQ(loaded.Background, 4) << "no file named at all";
}

TEST_F(SettingsStoreTest, EveryValueMakesTheRoundTrip)
{
    TSettings s = TSettings::Defaults();
    s.StartColor = 0x00123456;
    s.EndColor = 0x00ABCDEF;
    s.DrawFrame = false;
    s.BackType = 7;
    s.CardBack = 13;
    s.AnimateTime = 730;
    s.ShowToolbar = false;
    s.FlatButtons = false;
    s.AnimateType = 3;
    s.CpuPlayer = 1;
    s.Background = 0;
    s.BackgroundImage = Picture("round trip, with a comma.bmp");
    ASSERT_TRUE(TSettingsStore(StorePath()).Save(s));
    Load();
    EXPECT_EQ(Fields(loaded), Fields(s));
    EXPECT_EQ(Stored().at(QStringLiteral("DrawFrame")), QStringLiteral("0")) << "Booleans as 0/1";
    EXPECT_EQ(Stored().at(QStringLiteral("StartColor")), QStringLiteral("1193046"));
}

TEST_F(SettingsStoreTest, AColourBackgroundLeavesThePictureChoiceAsStored)
{
    Store({{"Background", "0"}, {"BackgroundImage", "/pictures/old.jpg"}});
    TSettings s = TSettings::Defaults();
    s.BackType = btHGradient;
    s.Background = 2;
    ASSERT_TRUE(TSettingsStore(StorePath()).Save(s));
    auto stored = Stored();
    EXPECT_EQ(stored.at(QStringLiteral("Background")), QStringLiteral("0"));
    EXPECT_EQ(stored.at(QStringLiteral("BackgroundImage")), QStringLiteral("/pictures/old.jpg"));
    EXPECT_EQ(stored.at(QStringLiteral("BackType")), QStringLiteral("1"));

    s.BackType = btTile; // a built-in picture: Background, but no file name
    ASSERT_TRUE(TSettingsStore(StorePath()).Save(s));
    stored = Stored();
    EXPECT_EQ(stored.at(QStringLiteral("Background")), QStringLiteral("2"));
    EXPECT_EQ(stored.at(QStringLiteral("BackgroundImage")), QStringLiteral("/pictures/old.jpg"));
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeWrittenLosesNothing)
{
    Store({{"CardBack", "3"}});
    const QByteArray before = [&] {
        QFile file(StorePath());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    TSettings s = TSettings::Defaults();
    s.CardBack = 9;
    // A read-only folder.
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const bool rootIgnoresModes = QFileInfo(dir.path()).isWritable();
    const bool saved = TSettingsStore(StorePath()).Save(s);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!rootIgnoresModes) {
        EXPECT_FALSE(saved);
        QFile file(StorePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before);
    }
    // A folder where the file should be: refused whoever runs the test.
    const QString blocked = dir.filePath(QStringLiteral("blocked.conf"));
    ASSERT_TRUE(QDir().mkpath(blocked + "/inside"));
    EXPECT_FALSE(TSettingsStore(blocked).Save(s));
    EXPECT_TRUE(QFileInfo(blocked + "/inside").isDir());
}

TEST_F(SettingsStoreTest, AFileOfRandomBytesIsKeptAsideAndTheNewOneIsClean)
{
    ++generation;
    QByteArray noise(4000, Qt::Uninitialized);
    uint32_t seed = 12345;
    for (char& c : noise)
        c = char((seed = seed * 134775813 + 1) >> 24);
    {
        QFile file(StorePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(noise);
    }
    Load(); // whatever it makes of the noise, the record stays whole
    EXPECT_FALSE(loaded.BackPicture.isNull());
    const TSettingsStore store(StorePath());
    TSettings s = TSettings::Defaults();
    s.CardBack = 9;
    EXPECT_TRUE(store.Save(s)) << "written, and said so";
    QFile kept(store.UnreadableCopy());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), noise);
    EXPECT_EQ(Stored().at(QStringLiteral("CardBack")), QStringLiteral("9"));
    EXPECT_TRUE(store.Save(s));
    kept.seek(0);
    EXPECT_EQ(kept.readAll(), noise) << "a clean file is not set aside again";
}

} // namespace
