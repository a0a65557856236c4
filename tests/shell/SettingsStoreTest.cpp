// The settings store: the number forms it reads, the range rules, a wrong-typed value,
// and a store that cannot be read or written; the table size the next start scales by;
// background pictures from files, where hostile files must be refused without a crash or
// a half-decoded picture. Bad values through the preferences dialog are in
// PrefsDialogTest.
#include "SettingsStore.h"
#include "AnimationTime.h"
#include "PictureLoader.h"
#include "TableSize.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
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
            EXPECT_EQ(TSettingsStore(files.Path()).StoredZoom(), loaded.Zoom)
                << "the start reads the table size as the dialog";
        }
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
    // Read before the bad value; after it, the defaults.
    EXPECT_EQ(std::tuple(loaded.StartColor, loaded.DrawFrame, loaded.CardBack, loaded.AnimateTime,
                         loaded.Background),
              std::tuple(255u, false, 6, 250, 4));
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

TEST(TableSize, TheNextStartScalesOnTopOfWhatTheEnvironmentAsks)
{
    const QByteArray before = qgetenv("QT_SCALE_FACTOR");
    // The factor the next start gets from the size, over the one the environment asked.
    const auto next = [](const char* asked, int size) {
        asked ? qputenv("QT_SCALE_FACTOR", asked) : qunsetenv("QT_SCALE_FACTOR");
        ApplyTableSize(size);
        return qgetenv("QT_SCALE_FACTOR");
    };
    EXPECT_TRUE(next(nullptr, 100).isNull()) << "the classic size touches nothing";
    EXPECT_EQ(next(nullptr, 150), "1.5");
    EXPECT_EQ(next("2", 150), "3");
    EXPECT_EQ(next("nonsense", 200), "2");
    before.isNull() ? qunsetenv("QT_SCALE_FACTOR") : qputenv("QT_SCALE_FACTOR", before);
}

// A picture of the size given, as a file of the format holds it.
QByteArray Encoded(const char* format, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

TEST(PictureLoaderTest, HostileFilesAreRefused)
{
    const QTemporaryDir dir;
    const QByteArray bmp = Encoded("bmp", {300, 200});
    const QByteArray jpeg = Encoded("jpeg", {300, 200});
    // A bitmap header announcing 60000 x 60000 pixels of 24 bits over a few bytes.
    QByteArray huge = Encoded("bmp", {4, 4});
    qToLittleEndian<qint32>(60000, huge.data() + 18);
    qToLittleEndian<qint32>(60000, huge.data() + 22);
    // A JPEG frame header (FF C0, length, precision, height, width) claiming as many.
    QByteArray hugeJpeg = Encoded("jpeg", {16, 16});
    const qsizetype frame = hugeJpeg.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(frame, 0);
    qToBigEndian<quint16>(60000, hugeJpeg.data() + frame + 5);
    qToBigEndian<quint16>(60000, hugeJpeg.data() + frame + 7);
    const QByteArray noise = Noise(4096, 7);
    const std::pair<const char*, QByteArray> files[] = {
        {"cut.bmp", bmp.left(bmp.size() / 2)},
        {"cut.jpg", jpeg.left(jpeg.size() / 2)},
        {"cut.png", Encoded("png", {300, 200}).left(200)},
        {"huge.bmp", huge},
        {"huge.jpg", hugeJpeg},
        {"empty.bmp", {}},
        {"noise.jpg", noise},
        {"picture.wmf", QByteArray("\xD7\xCD\xC6\x9A", 4) + noise},
        {"picture.pcx", QByteArray("\x0A\x05\x01\x08", 4) + noise},
        {"pic.gif", QByteArray("GIF89a") + noise},
    };
    for (const auto& [name, bytes] : files)
        EXPECT_FALSE(PictureLoader::Load(WriteFile(dir.filePath(name), bytes))) << name;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.bmp")));
    EXPECT_FALSE(PictureLoader::Load(dir.filePath(QStringLiteral("folder.bmp"))));
    EXPECT_FALSE(PictureLoader::Load(dir.filePath(QStringLiteral("missing.bmp"))));
    EXPECT_FALSE(PictureLoader::Load(QString()));
}

} // namespace
