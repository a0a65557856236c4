// The table size: stored as Zoom (100, 150 or 200, anything else as 100), chosen on
// the preferences' General page, and turned into the scale factor the next start uses.
#include "Prefs.h"
#include "SettingsStore.h"
#include "TableSize.h"
#include "support/MainWindowFixture.h"
#include "GradientButton.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

namespace {

class TableSize : public MainWindowFixture {
protected:
    QString StorePath() const { return dir.filePath(QStringLiteral("Zelmo %1.conf").arg(generation)); }
    void Store(const QByteArray& lines)
    {
        ++generation; // QSettings caches a file by size and time stamp
        QFile file(StorePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\n" + lines);
    }
    int Loaded()
    {
        TSettings settings = TSettings::Defaults();
        TSettingsStore(StorePath()).Load(settings);
        EXPECT_EQ(settings.Zoom, TSettingsStore(StorePath()).StoredZoom()) << "read alike at start-up";
        return settings.Zoom;
    }
    QTemporaryDir dir;
    int generation = 0;
};

TEST_F(TableSize, OnlyTheOfferedSizesLoad)
{
    Store("");
    EXPECT_EQ(Loaded(), 100);
    for (const char* value : {"150", "200", "100"}) {
        Store(QByteArray("Zoom=") + value + "\n");
        EXPECT_EQ(Loaded(), atoi(value));
    }
    for (const char* value : {"0", "120", "300", "-150", "4294967295"}) {
        Store(QByteArray("Zoom=") + value + "\n");
        EXPECT_EQ(Loaded(), 100) << value;
    }
}

TEST_F(TableSize, ChosenInThePreferencesKeptByCancelAndStoredAtTheEnd)
{
    MakeWindow({0, 1, 2});
    Store("Zoom=150\n");
    auto prefs = std::make_unique<TFPrefs>(*window, TSettingsStore(StorePath()), [](const QString&) {});
    prefs->show();
    EXPECT_EQ(prefs->cmbTableSize->currentText(), QStringLiteral("150 %"));
    EXPECT_TRUE(prefs->lblTableSizeNote->isVisible());
    prefs->cmbTableSize->setCurrentIndex(2);
    prefs->btnCancel->click();
    EXPECT_EQ(window->Settings().Zoom, 150);
    EXPECT_EQ(prefs->cmbTableSize->currentText(), QStringLiteral("150 %"));

    prefs->show();
    prefs->cmbTableSize->setCurrentIndex(2);
    prefs->btnOK->click();
    EXPECT_EQ(window->Settings().Zoom, 200);
    prefs.reset(); // saves
    EXPECT_EQ(TSettingsStore(StorePath()).StoredZoom(), 200);
}

TEST_F(TableSize, TheNextStartScalesOnTopOfWhatTheEnvironmentAsks)
{
    const QByteArray before = qgetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCALE_FACTOR");
    ApplyTableSize(100);
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) << "the classic size touches nothing";
    ApplyTableSize(150);
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), QByteArray("1.5"));
    qputenv("QT_SCALE_FACTOR", "2");
    ApplyTableSize(150);
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), QByteArray("3"));
    qputenv("QT_SCALE_FACTOR", "nonsense");
    ApplyTableSize(200);
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
    if (before.isNull())
        qunsetenv("QT_SCALE_FACTOR");
    else
        qputenv("QT_SCALE_FACTOR", before);
}

} // namespace
