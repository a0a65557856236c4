// The preferences dialog over a main window: a wrong-typed value at loading, and what
// the exit writes back after it.
#include "GradientButton.h"
#include "MainToolBar.h"
#include "Prefs.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include <QComboBox>
#include <QTimer>

namespace {

class PrefsDialog : public MainWindowFixture {
protected:
    void TearDown() override
    {
        prefs.reset();
        MainWindowFixture::TearDown();
        SetAnimationTime(250);
    }
    void Open()
    {
        prefs = std::make_unique<TFPrefs>(*window, TSettingsStore(files.Path()),
                                          [this](const QString& text) { reports << text; });
        window->SetPreferencesDialog(prefs.get());
    }

    TStoreFiles files;
    std::unique_ptr<TFPrefs> prefs;
    QStringList reports;
};

// The values after a wrong one are not used, but the exit must not write defaults over
// them: they stay as stored unless the player changes them.
TEST_F(PrefsDialog, AWrongTypeIsReportedAndWhatItKeptFromBeingReadSurvivesTheExit)
{
    files.Write("DrawFrame=0\nCardBack=9\nShowToolbar=0\nFlatButtons=0\nAnimateType=x\n"
                "Background=2\nZoom=200\nCpuPlayer=1\n");
    Open();
    EXPECT_EQ(reports, QStringList{"Invalid data type for 'AnimateType'"});
    EXPECT_TRUE(window->ToolBar().isHidden()) << "read before the bad value, shown at loading";
    EXPECT_FALSE(window->ToolBar().Flat());
    EXPECT_FALSE(prefs->TestToolbar->Flat());
    EXPECT_EQ(window->Settings().CardBack, 9);
    EXPECT_EQ(window->Settings().Background, 4) << "after the bad value: defaults";
    QTimer::singleShot(0, [this] {
        prefs->cmbTableSize->setCurrentIndex(1);
        prefs->btnOK->click();
    });
    window->ShowPreferences();
    prefs.reset(); // saves, as at program end
    const auto stored = files.Stored();
    EXPECT_EQ(stored.at("DrawFrame"), "0") << "read, so written back";
    EXPECT_EQ(stored.at("AnimateType"), "0") << "the bad value gives way";
    EXPECT_EQ(stored.at("Background"), "2") << "never read, so kept";
    EXPECT_EQ(stored.at("CpuPlayer"), "1");
    EXPECT_EQ(stored.at("Zoom"), "150") << "the player's change wins";
}

} // namespace
