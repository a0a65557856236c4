// The preferences dialog over a main window: loading into the record, the previews of
// the choices, OK and Cancel, custom pictures, and pictures of the pages.
#include "Artifacts.h"
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
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

namespace {

const QColor Red(220, 0, 0), Blue(0, 0, 200), Yellow(250, 230, 0);

class PrefsDialog : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        SetAnimationTime(250);
    }
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
    QString Picture(const char* name, QColor color)
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(color);
        const QString path = QDir(files.Folder()).filePath(QString::fromUtf8(name));
        EXPECT_TRUE(image.save(path));
        return path;
    }
    // The controls as a first start shows them.
    void ExpectDefaultControls()
    {
        EXPECT_EQ(prefs->Background(), 4) << "Snowflakes 1";
        EXPECT_TRUE(prefs->rbTile->isChecked());
        EXPECT_EQ(prefs->lbBacks->currentItem()->text(), "Chocolate Santa");
        EXPECT_TRUE(prefs->cbDrawFrame->isChecked());
        EXPECT_EQ(prefs->lblTime->text(), "250 msec");
        EXPECT_TRUE(prefs->rbPacing[0]->isChecked()) << "Steady";
        EXPECT_TRUE(prefs->cbShowtoolbar->isChecked() && prefs->cbFlatbuttons->isChecked());
    }
    void Shot(const char* name) { SaveArtifact(prefs->grab().toImage(), QString::fromUtf8(name)); }

    TStoreFiles files;
    std::unique_ptr<TFPrefs> prefs;
    QStringList reports;
};

TEST_F(PrefsDialog, AFirstStartShowsTheDefaultsAndCancelPutsEveryControlBack)
{
    Show();
    ExpectDefaultControls();
    EXPECT_EQ(prefs->SelectedCode(), 8);
    TBoard& backs = *prefs->BacksPreview();
    EXPECT_EQ(backs.AutoCardBack(), 6);
    EXPECT_TRUE(backs.DrawBackFrame());
    EXPECT_EQ(backs.BackType(), btTile) << "backs are previewed on the chosen background";
    EXPECT_EQ(prefs->BackgroundPreview()->Picture(), BuiltInBackground(4));
    EXPECT_TRUE(reports.isEmpty());
    Shot("prefs-general.png");
    prefs->Pages->setCurrentIndex(1);
    Shot("prefs-backs.png");

    const QColor solid = prefs->pSolid->Color();
    prefs->lbBacks->setCurrentRow(9);
    prefs->cbDrawFrame->setChecked(false);
    prefs->pSolid->SetColor(Red);
    prefs->rbStretch->click();
    Select("Gifts");
    prefs->TrackBar->setValue(900);
    prefs->rbPacing[2]->setChecked(true);
    prefs->cbShowtoolbar->setChecked(false);
    prefs->btnCancel->click();
    EXPECT_EQ(prefs->BacksPreview(), nullptr) << "previews live only while shown";
    ExpectDefaultControls();
    EXPECT_EQ(prefs->pSolid->Color(), solid);
    const TSettings& record = window->Settings();
    EXPECT_EQ(std::tuple(record.CardBack, record.Background, record.BackType),
              std::tuple(6, 4, int(btTile)));
    Show();
    EXPECT_EQ(prefs->SelectedCode(), 8) << "shown again from the record";
    EXPECT_EQ(prefs->BackgroundPreview()->Picture(), BuiltInBackground(4));
}

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

TEST_F(PrefsDialog, TheTreeNodesShowOnBothPreviews)
{
    Show();
    prefs->Pages->setCurrentIndex(2);
    prefs->pSolid->SetColor(Red);
    prefs->pC1->SetColor(Blue);
    prefs->pC2->SetColor(Yellow);
    TBoard& background = *prefs->BackgroundPreview();
    TBoard& backs = *prefs->BacksPreview();
    // A gradient takes both swatches; the solid colour its own, not the gradient's first.
    const struct {
        const char* node;
        TBoardBackType type;
        QColor color;
        QWidget* panel;
    } colours[] = {{"Horizontal", btHGradient, Blue, prefs->pnlGradient},
                   {"Solid color", btSolid, Red, prefs->pnlColor}};
    for (const auto& c : colours) {
        SCOPED_TRACE(c.node);
        Select(c.node);
        EXPECT_EQ(background.BackType(), c.type);
        EXPECT_EQ(background.Color(), c.color);
        EXPECT_FALSE(c.panel->isHidden());
        EXPECT_EQ(backs.BackType(), c.type);
        EXPECT_EQ(backs.Color(), c.color);
    }
    Shot("prefs-background-solid.png");
    Select("Elliptic");
    EXPECT_EQ(background.Color2(), Yellow);
    Shot("prefs-background-gradient.png");

    // The first and the last picture: a shifted list shows at either end.
    prefs->rbStretch->click();
    for (const auto& [node, picture] : {std::pair("Bells", 1), std::pair("Snowflakes 2", 6)}) {
        Select(node);
        EXPECT_EQ(prefs->Background(), picture);
        EXPECT_EQ(background.Picture(), BuiltInBackground(picture)) << node;
        EXPECT_EQ(backs.Picture(), BuiltInBackground(picture)) << node;
        EXPECT_EQ(background.BackType(), btStretch);
        EXPECT_TRUE(prefs->eFile->isHidden());
    }
    Shot("prefs-background-stretched.png");
    prefs->cbOneToOne->click();
    EXPECT_EQ(background.BackType(), btPropStretch);
    prefs->rbTile->click();
    EXPECT_EQ(background.BackType(), btTile);
    EXPECT_TRUE(prefs->cbOneToOne->isHidden()) << "1:1 only with Stretch";
    Shot("prefs-background-tiled.png");
    // Groups are never selected, and nothing collapses.
    const auto group = prefs->Tree->findItems(QStringLiteral("Gradient"), Qt::MatchExactly);
    ASSERT_EQ(group.size(), 1);
    EXPECT_FALSE(group.first()->flags() & Qt::ItemIsSelectable);
    EXPECT_TRUE(group.first()->isExpanded());
}

TEST_F(PrefsDialog, SwatchesAndSwapColors)
{
    Show();
    Select("Vertical");
    TColorSwatch::PickColor = [](QWidget*, const QColor&) { return std::optional<QColor>(Red); };
    QTest::mouseClick(prefs->pC1, Qt::LeftButton);
    EXPECT_EQ(prefs->BackgroundPreview()->Color(), Red);
    TColorSwatch::PickColor = [](QWidget*, const QColor&) { return std::optional<QColor>(); };
    QTest::mouseClick(prefs->pC2, Qt::LeftButton); // cancelled: nothing changes
    const QColor end = prefs->pC2->Color();
    EXPECT_EQ(prefs->BackgroundPreview()->Color2(), end);
    static_cast<QPushButton*>(prefs->btnSwap)->click();
    EXPECT_EQ(prefs->pC1->Color(), end);
    EXPECT_EQ(prefs->pC2->Color(), Red);
    EXPECT_EQ(prefs->BackgroundPreview()->Color(), end);
    EXPECT_EQ(prefs->BackgroundPreview()->Color2(), Red);
}

TEST_F(PrefsDialog, OkStoresThePreviewsAndTheRunningGameShowsThem)
{
    Open();
    ASSERT_NE(Start(0), nullptr);
    QTimer::singleShot(0, [this] {
        prefs->lbBacks->setCurrentRow(2);
        prefs->cbDrawFrame->setChecked(false);
        prefs->pC1->SetColor(Blue);
        Select("Elliptic");
        prefs->TrackBar->setValue(500);
        prefs->rbPacing[1]->setChecked(true);
        prefs->cbFlatbuttons->setChecked(false);
        prefs->rbStrong->setChecked(true);
        prefs->btnOK->click();
    });
    window->ShowPreferences();
    const TSettings& record = window->Settings();
    EXPECT_EQ(record.CpuPlayer, cpStrong);
    EXPECT_EQ(window->Game()->CpuPlayer, cpStrong) << "taken up with the game's next deal";
    EXPECT_EQ(record.CardBack, 2);
    EXPECT_FALSE(record.DrawFrame);
    EXPECT_EQ(record.BackType, btEGradient);
    EXPECT_EQ(ColorFromStored(record.StartColor), Blue);
    EXPECT_EQ(record.AnimateTime, 500);
    EXPECT_EQ(record.AnimateType, 1);
    EXPECT_FALSE(record.FlatButtons);
    TBoard& board = *window->Game()->Board;
    EXPECT_EQ(board.AutoCardBack(), 2);
    EXPECT_FALSE(board.DrawBackFrame());
    EXPECT_EQ(board.BackType(), btEGradient);
    EXPECT_EQ(board.Color(), Blue);
    EXPECT_EQ(board.AnimateType(), 1);
    EXPECT_EQ(AnimationTime(), 500);
    EXPECT_FALSE(window->ToolBar().Flat());
    EXPECT_EQ(prefs->BackgroundPreview(), nullptr);
    prefs.reset(); // saved at program end
    EXPECT_EQ(files.Stored().at("CpuPlayer"), "1");
    EXPECT_EQ(files.Stored().at("AnimateType"), "1");
}

TEST_F(PrefsDialog, ACustomPictureByNameByDropAndAFileThatWillNotLoad)
{
    Show();
    const QString good = Picture("mine, with a comma.jpg", QColor(20, 120, 220));
    prefs->Pages->setCurrentIndex(2);
    Select("Custom...");
    EXPECT_FALSE(prefs->eFile->isHidden());
    EXPECT_EQ(prefs->Background(), 0);
    prefs->eFile->setText('"' + good + '"');
    EXPECT_EQ(prefs->eFile->text(), good) << "quotes stripped";
    EXPECT_EQ(prefs->BackgroundPreview()->Picture().size(), QSize(40, 30));
    Shot("prefs-background-custom.png");

    const QString broken = Picture("broken.bmp", Qt::magenta);
    QFile::resize(broken, 60);
    QMimeData dropped;
    dropped.setText('"' + broken + '"');
    EXPECT_TRUE(prefs->eFile->acceptDrops());
    EXPECT_TRUE(prefs->eFile->TakeDropped(dropped));
    EXPECT_EQ(prefs->eFile->text(), TFPrefs::LoadFailed);
    EXPECT_EQ(prefs->BackgroundPreview()->Picture().size(), QSize(40, 30)) << "picture kept";

    prefs->btnOK->click();
    EXPECT_EQ(window->Settings().Background, 0);
    EXPECT_EQ(window->Settings().BackgroundImage, good) << "never the failure text";
    prefs.reset(); // program end: saved
    TSettings reloaded = TSettings::Defaults();
    TSettingsStore(files.Path()).Load(reloaded);
    EXPECT_EQ(reloaded.Background, 0);
    EXPECT_EQ(reloaded.BackgroundImage, good);
    EXPECT_EQ(reloaded.BackPicture.size(), QSize(40, 30));
}

} // namespace
