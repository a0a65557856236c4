// The settings store: a wrong-typed value, and a store that cannot be written. Bad
// values through the whole program are in HostileSettingsTest.
#include "SettingsStore.h"
#include "AnimationTime.h"
#include "Board.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

    TStoreFiles files;
    TSettings loaded;
};

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

} // namespace
