// The table size: stored as Zoom (100, 150 or 200, anything else as 100), chosen on
// the preferences' General page, and turned into the scale factor the next start uses.
#include "TableSize.h"
#include "GradientButton.h"
#include "Prefs.h"
#include "SettingsStore.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include <QComboBox>
#include <QLabel>

namespace {

class TableSize : public MainWindowFixture {
protected:
    TStoreFiles files;
};

TEST_F(TableSize, OnlyTheOfferedSizesLoad)
{
    const std::pair<const char*, int> cases[] = {
        {"", 100},           {"Zoom=150\n", 150},  {"Zoom=200\n", 200},
        {"Zoom=100\n", 100}, {"Zoom=0\n", 100},    {"Zoom=120\n", 100},
        {"Zoom=300\n", 100}, {"Zoom=-150\n", 100}, {"Zoom=4294967295\n", 100}};
    for (const auto& [line, zoom] : cases) {
        files.Write(line);
        TSettings settings = TSettings::Defaults();
        TSettingsStore(files.Path()).Load(settings);
        EXPECT_EQ(settings.Zoom, zoom) << line;
        EXPECT_EQ(TSettingsStore(files.Path()).StoredZoom(), zoom)
            << "read alike at start-up: " << line;
    }
}

// Stored after OK: PrefsDialogTest, where it is a change over an unread value.
TEST_F(TableSize, ShownInThePreferencesAndKeptByCancel)
{
    files.Write("Zoom=150\n");
    auto prefs =
        std::make_unique<TFPrefs>(*window, TSettingsStore(files.Path()), [](const QString&) {});
    prefs->show();
    EXPECT_EQ(prefs->cmbTableSize->currentText(), QStringLiteral("150 %"));
    EXPECT_TRUE(prefs->lblTableSizeNote->isVisible());
    prefs->cmbTableSize->setCurrentIndex(2);
    prefs->btnCancel->click();
    EXPECT_EQ(window->Settings().Zoom, 150);
    EXPECT_EQ(prefs->cmbTableSize->currentText(), QStringLiteral("150 %"));
    prefs.reset(); // saves
    EXPECT_EQ(TSettingsStore(files.Path()).StoredZoom(), 150);
}

TEST_F(TableSize, TheNextStartScalesOnTopOfWhatTheEnvironmentAsks)
{
    const QByteArray before = qgetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCALE_FACTOR");
    ApplyTableSize(100);
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        << "the classic size touches nothing";
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
