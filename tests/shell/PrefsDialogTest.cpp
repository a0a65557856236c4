// The preferences dialog over a main window: the backgrounds page's previews, Cancel, a
// wrong-typed or bad value at loading, and what the exit writes back after it.
#include "Board.h"
#include "ColorSwatch.h"
#include "FileEdit.h"
#include "GradientButton.h"
#include "MainToolBar.h"
#include "Prefs.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QTreeWidget>

namespace {

const QColor Red(220, 0, 0), Blue(0, 0, 200), Yellow(250, 230, 0);

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
    void Show()
    {
        if (!prefs)
            Open();
        prefs->show();
        QCoreApplication::processEvents();
    }
    void Select(const char* node)
    {
        const auto found = prefs->Tree->findItems(QString::fromUtf8(node), Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << node;
        prefs->Tree->setCurrentItem(found.first());
    }
    // Every control the player can change but the tree, which is set when shown.
    auto Controls() const
    {
        return std::tuple(prefs->lbBacks->currentRow(),
                          prefs->cbDrawFrame->isChecked(), prefs->pSolid->Color(),
                          prefs->pC1->Color(), prefs->pC2->Color(), prefs->rbTile->isChecked(),
                          prefs->TrackBar->value(), prefs->rbPacing[0]->isChecked(),
                          prefs->cbShowtoolbar->isChecked(), prefs->cbFlatbuttons->isChecked(),
                          prefs->cmbTableSize->currentIndex(), prefs->rbStrong->isChecked());
    }

    TStoreFiles files;
    std::unique_ptr<TFPrefs> prefs;
    QStringList reports;
};

// Each kind of background on both previews: colours from their own swatches, the first
// and the last picture, tiled, stretched or kept in proportion. Then Cancel after a change
// to every control leaves the dialog, the record and the next showing as they were.
TEST_F(PrefsDialog, TheTreeNodesShowOnBothPreviewsAndCancelPutsEverythingBack)
{
    Show();
    const auto before = Controls();
    const TSettings record = window->Settings();
    prefs->pSolid->SetColor(Red);
    prefs->pC1->SetColor(Blue);
    prefs->pC2->SetColor(Yellow);
    TBoard& background = *prefs->BackgroundPreview();
    TBoard& backs = *prefs->BacksPreview();
    // The second colour is the end colour's swatch whatever shows.
    const std::tuple<const char*, TBoardBackType, QColor> colours[] = {
        {"Horizontal", btHGradient, Blue}, {"Elliptic", btEGradient, Blue},
        {"Solid color", btSolid, Red}};
    for (const auto& [node, type, colour] : colours) {
        Select(node);
        for (const TBoard* preview : {&background, &backs})
            EXPECT_EQ(std::tuple(preview->BackType(), preview->Color(), preview->Color2()),
                      std::tuple(type, colour, Yellow))
                << node;
    }
    prefs->rbStretch->click();
    for (const auto& [node, picture] : {std::pair("Bells", 1), std::pair("Snowflakes 2", 6)}) {
        Select(node);
        EXPECT_EQ(prefs->Background(), picture);
        for (const TBoard* preview : {&background, &backs})
            EXPECT_EQ(preview->Picture(), BuiltInBackground(picture)) << node;
        EXPECT_EQ(background.BackType(), btStretch);
        EXPECT_TRUE(prefs->eFile->isHidden());
    }
    prefs->cbOneToOne->click();
    EXPECT_EQ(background.BackType(), btPropStretch);
    EXPECT_EQ(backs.BackType(), btPropStretch);
    prefs->rbTile->click();
    EXPECT_EQ(background.BackType(), btTile);
    EXPECT_TRUE(prefs->cbOneToOne->isHidden()) << "1:1 only with Stretch";

    prefs->lbBacks->setCurrentRow(9);
    prefs->cbDrawFrame->setChecked(false);
    prefs->rbStretch->click();
    Select("Gifts");
    prefs->TrackBar->setValue(900);
    prefs->rbPacing[2]->setChecked(true);
    prefs->cbShowtoolbar->setChecked(false);
    prefs->cbFlatbuttons->setChecked(false);
    prefs->cmbTableSize->setCurrentIndex(2);
    prefs->rbStrong->setChecked(true);
    ASSERT_NE(Controls(), before);
    prefs->btnCancel->click();
    EXPECT_EQ(prefs->BacksPreview(), nullptr) << "previews live only while shown";
    EXPECT_EQ(Controls(), before);
    EXPECT_EQ(TSettingsStore::Values(window->Settings()), TSettingsStore::Values(record));
    Show();
    EXPECT_EQ(Controls(), before);
    EXPECT_EQ(prefs->SelectedCode(), 8) << "Snowflakes 1, from the record";
    EXPECT_EQ(prefs->BackgroundPreview()->Picture(), BuiltInBackground(4));
}

// The values after a wrong one are not used, but the exit must not write defaults over
// them: they stay as stored (EachBadValue checks each) unless the player changes them.
TEST_F(PrefsDialog, AWrongTypeIsReportedAndWhatItKeptFromBeingReadSurvivesTheExit)
{
    files.Write("ShowToolbar=0\nFlatButtons=0\nAnimateType=x\nZoom=200\n");
    Open();
    EXPECT_EQ(reports, QStringList{"Invalid data type for 'AnimateType'"});
    EXPECT_TRUE(window->ToolBar().isHidden()) << "read before the bad value, shown at loading";
    EXPECT_FALSE(window->ToolBar().Flat());
    EXPECT_FALSE(prefs->TestToolbar->Flat());
    QTimer::singleShot(0, [this] {
        prefs->cmbTableSize->setCurrentIndex(1);
        prefs->btnOK->click();
    });
    window->ShowPreferences();
    prefs.reset(); // saves, as at program end
    const auto stored = files.Stored();
    EXPECT_EQ(stored.at("AnimateType"), "0") << "the bad value gives way";
    EXPECT_EQ(stored.at("Zoom"), "150") << "the player's change wins";
}

// Each value of a whole store in turn as text that is not a number, over 32 bits, empty,
// negative or out of range: said exactly when it is not a whole 32-bit number, and every
// other value is still as stored after the exit.
TEST_F(PrefsDialog, EachBadValueIsSaidOrReplacedAndTheOthersStayAsStored)
{
    const std::vector<std::pair<QString, QString>> good = {
        {"StartColor", "255"}, {"EndColor", "65280"},  {"DrawFrame", "0"},   {"BackType", "6"},
        {"CardBack", "3"},     {"AnimateTime", "400"}, {"ShowToolbar", "0"}, {"FlatButtons", "0"},
        {"AnimateType", "2"},  {"Background", "2"},
    };
    const std::pair<QString, bool> bad[] = {
        {"snow", true}, {"99999999999", true}, {"", true}, {"-5", false}, {"70000", false}};
    for (const auto& [name, goodValue] : good) {
        for (const auto& [text, wrongType] : bad) {
            SCOPED_TRACE((name + "=" + text).toStdString());
            QByteArray lines;
            for (const auto& [other, value] : good)
                lines += (other + '=' + (other == name ? text : value) + '\n').toUtf8();
            files.Write(lines);
            reports.clear();
            Open();
            prefs.reset(); // saves, as at program end
            EXPECT_EQ(reports, wrongType ? QStringList{"Invalid data type for '" + name + "'"}
                                         : QStringList());
            const auto stored = files.Stored();
            for (const auto& [other, value] : good)
                if (other != name) {
                    EXPECT_EQ(stored.at(other), value) << other.toStdString() << " lost";
                }
        }
    }
}

} // namespace
