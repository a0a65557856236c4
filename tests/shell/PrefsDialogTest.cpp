// The preferences dialog over a main window: loading into the record, the previews of
// every choice, OK and Cancel, custom pictures, and pictures of each page.
#include "Artifacts.h"
#include "Board.h"
#include "ColorSwatch.h"
#include "FileEdit.h"
#include "GradientButton.h"
#include "MainToolBar.h"
#include "support/MainWindowFixture.h"
#include "Prefs.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
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
    QString StorePath() const { return dir.filePath(QStringLiteral("Christmas Zelmo.conf")); }
    void Store(const QByteArray& lines)
    {
        QFile file(StorePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\n" + lines);
    }
    void Open()
    {
        prefs = std::make_unique<TFPrefs>(*window, TSettingsStore(StorePath()),
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
    QString Picture(const char* name, const char* format, QColor color = Qt::magenta)
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(color);
        const QString path = dir.filePath(QString::fromUtf8(name));
        EXPECT_TRUE(image.save(path, format));
        return path;
    }
    void Shot(const char* name) { SaveArtifact(prefs->grab().toImage(), QString::fromUtf8(name)); }

    QTemporaryDir dir;
    std::unique_ptr<TFPrefs> prefs;
    QStringList reports;
};

TEST_F(PrefsDialog, AFirstStartShowsSnowflakesChocolateSantaAndASteadyQuarterSecond)
{
    Show();
    EXPECT_EQ(prefs->windowTitle(), "Zelmo Preferences");
    EXPECT_EQ(prefs->size(), QSize(439, 269));
    EXPECT_EQ(prefs->Pages->currentIndex(), 0);
    EXPECT_EQ(prefs->SelectedCode(), 8) << "Snowflakes 1";
    TBoard& background = *prefs->BackgroundPreview();
    EXPECT_EQ(background.BackType(), btTile);
    EXPECT_EQ(background.Picture(), BuiltInBackground(4));
    TBoard& backs = *prefs->BacksPreview();
    EXPECT_EQ(backs.AutoCardBack(), 6);
    EXPECT_EQ(prefs->lbBacks->currentItem()->text(), "Chocolate Santa");
    EXPECT_TRUE(backs.DrawBackFrame());
    EXPECT_EQ(backs.BackType(), btTile) << "backs are previewed on the chosen background";
    EXPECT_EQ(prefs->lblTime->text(), "250 msec");
    EXPECT_TRUE(prefs->rbPacing[0]->isChecked()) << "Steady";
    EXPECT_TRUE(prefs->cbShowtoolbar->isChecked() && prefs->cbFlatbuttons->isChecked());
    EXPECT_TRUE(reports.isEmpty());
    // The fan of eight backs, opening towards the bottom right.
    const QPoint fan[] = {{4, 4}, {8, 5}, {18, 9}, {36, 15}, {62, 24}, {94, 35}, {133, 49}, {180, 65}};
    ASSERT_EQ(backs.CardCount(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(QPoint(backs.Card(i)->X(), backs.Card(i)->Y()), fan[i]);
    prefs->hide();
    EXPECT_EQ(prefs->BacksPreview(), nullptr) << "previews live only while shown";
    EXPECT_EQ(prefs->BackgroundPreview(), nullptr);
}

TEST_F(PrefsDialog, TheStoreSetsTheToolbarAtLoadingAndAWrongTypeIsReported)
{
    Store("CardBack=2\nAnimateTime=400\nShowToolbar=0\nFlatButtons=0\nAnimateType=x\n"
          "Background=2\n");
    Open();
    EXPECT_TRUE(window->ToolBar().isHidden());
    EXPECT_FALSE(window->ToolBar().Flat());
    EXPECT_FALSE(prefs->TestToolbar->Flat());
    EXPECT_EQ(prefs->lbBacks->currentRow(), 2);
    EXPECT_EQ(reports, QStringList{"Invalid data type for 'AnimateType'"});
    EXPECT_EQ(window->Settings().AnimateTime, 400);
    EXPECT_EQ(window->Settings().Background, 4) << "after the bad value: defaults";
}

// The values after a wrong one are not used, but the exit must not write defaults over
// them: they stay as stored unless the player changes them.
TEST_F(PrefsDialog, WhatAWrongTypeKeptFromBeingReadSurvivesTheExit)
{
    Store("DrawFrame=0\nBackType=x\nCardBack=9\nAnimateTime=600\nShowToolbar=0\n");
    Open();
    EXPECT_EQ(reports, QStringList{"Invalid data type for 'BackType'"});
    EXPECT_EQ(window->Settings().CardBack, 6);
    QTimer::singleShot(0, [this] {
        prefs->lbBacks->setCurrentRow(3);
        prefs->btnOK->click();
    });
    window->ShowPreferences();
    prefs.reset(); // saves, as at program end
    QSettings stored(StorePath(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("DrawFrame").toString(), "0") << "read, so written back";
    EXPECT_EQ(stored.value("BackType").toInt(), TSettings::Defaults().BackType)
        << "the bad value gives way";
    EXPECT_EQ(stored.value("CardBack").toString(), "3") << "the player's change wins";
    EXPECT_EQ(stored.value("AnimateTime").toString(), "600");
    EXPECT_EQ(stored.value("ShowToolbar").toString(), "0");
}

TEST_F(PrefsDialog, EachTreeNodeShowsOnBothPreviews)
{
    Show();
    prefs->pSolid->SetColor(Red);
    prefs->pC1->SetColor(Blue);
    prefs->pC2->SetColor(Yellow);
    TBoard& background = *prefs->BackgroundPreview();
    TBoard& backs = *prefs->BacksPreview();
    const struct {
        const char* node;
        TBoardBackType type;
        QColor color;
        QWidget* panel;
    } gradients[] = {
        {"Horizontal", btHGradient, Blue, prefs->pnlGradient},
        {"Vertical", btVGradient, Blue, prefs->pnlGradient},
        {"Elliptic", btEGradient, Blue, prefs->pnlGradient},
        {"Rectangular", btRGradient, Blue, prefs->pnlGradient},
        {"Solid color", btSolid, Red, prefs->pnlColor}, // pSolid's colour, not pC1's
    };
    for (const auto& g : gradients) {
        SCOPED_TRACE(g.node);
        Select(g.node);
        EXPECT_EQ(background.BackType(), g.type);
        EXPECT_EQ(background.Color(), g.color);
        EXPECT_FALSE(g.panel->isHidden());
        EXPECT_EQ(backs.BackType(), g.type);
        EXPECT_EQ(backs.Color(), g.color);
    }
    EXPECT_EQ(background.Color2(), Yellow);
    const char* pictures[] = {"Bells", "Candy Canes", "Gifts", "Snowflakes 1", "Snow", "Snowflakes 2"};
    prefs->rbStretch->click();
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(pictures[i]);
        Select(pictures[i]);
        EXPECT_EQ(prefs->Background(), i + 1);
        EXPECT_EQ(background.Picture(), BuiltInBackground(i + 1));
        EXPECT_EQ(backs.Picture(), BuiltInBackground(i + 1));
        EXPECT_EQ(background.BackType(), btStretch);
        EXPECT_TRUE(prefs->eFile->isHidden());
    }
    prefs->cbOneToOne->click();
    EXPECT_EQ(background.BackType(), btPropStretch);
    prefs->rbTile->click();
    EXPECT_EQ(background.BackType(), btTile);
    EXPECT_TRUE(prefs->cbOneToOne->isHidden()) << "1:1 only with Stretch";
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
}

TEST_F(PrefsDialog, CancelPutsEveryControlBack)
{
    Show();
    const QColor solid = prefs->pSolid->Color();
    prefs->lbBacks->setCurrentRow(9);
    prefs->cbDrawFrame->setChecked(false);
    prefs->pSolid->SetColor(Red);
    prefs->rbStretch->click();
    Select("Gifts");
    prefs->TrackBar->setValue(900);
    prefs->cbShowtoolbar->setChecked(false);
    prefs->btnCancel->click();
    const TSettings& record = window->Settings();
    EXPECT_EQ(record.CardBack, 6);
    EXPECT_EQ(record.Background, 4);
    EXPECT_EQ(record.BackType, btTile);
    EXPECT_EQ(prefs->Background(), 4) << "the tree's choice is dropped as well";
    EXPECT_EQ(prefs->lbBacks->currentRow(), 6);
    EXPECT_TRUE(prefs->cbDrawFrame->isChecked());
    EXPECT_EQ(prefs->pSolid->Color(), solid);
    EXPECT_TRUE(prefs->rbTile->isChecked());
    EXPECT_EQ(prefs->TrackBar->value(), 250);
    EXPECT_TRUE(prefs->cbShowtoolbar->isChecked());
    Show();
    EXPECT_EQ(prefs->SelectedCode(), 8) << "shown again from the record";
    EXPECT_EQ(prefs->BackgroundPreview()->Picture(), BuiltInBackground(4));
}

TEST_F(PrefsDialog, ACustomPictureByNameByDropAndAFileThatWillNotLoad)
{
    Show();
    const QString good = Picture("mine.jpg", "JPEG", QColor(20, 120, 220));
    Select("Custom...");
    EXPECT_FALSE(prefs->eFile->isHidden());
    EXPECT_EQ(prefs->Background(), 0);
    prefs->eFile->setText('"' + good + '"');
    EXPECT_EQ(prefs->eFile->text(), good) << "quotes stripped";
    EXPECT_EQ(prefs->BackgroundPreview()->Picture().size(), QSize(40, 30));

    const QString broken = Picture("broken.bmp", "BMP");
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
    TSettingsStore(StorePath()).Load(reloaded);
    EXPECT_EQ(reloaded.Background, 0);
    EXPECT_EQ(reloaded.BackgroundImage, good);
    EXPECT_EQ(reloaded.BackPicture.size(), QSize(40, 30));
}

TEST_F(PrefsDialog, PicturesOfEachPage)
{
    Show();
    Shot("prefs-general.png");
    prefs->Pages->setCurrentIndex(1);
    Shot("prefs-backs.png");
    prefs->Pages->setCurrentIndex(3);
    Shot("prefs-computer.png");
    prefs->Pages->setCurrentIndex(2);
    prefs->pSolid->SetColor(QColor(0, 100, 60));
    Select("Solid color");
    Shot("prefs-background-solid.png");
    prefs->pC1->SetColor(QColor(10, 40, 120));
    prefs->pC2->SetColor(QColor(160, 220, 255));
    Select("Elliptic");
    Shot("prefs-background-gradient.png");
    prefs->rbTile->click();
    Select("Candy Canes");
    Shot("prefs-background-tiled.png");
    prefs->rbStretch->click();
    Select("Gifts");
    Shot("prefs-background-stretched.png");
    QImage photo(320, 200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixelColor(x, y, QColor(x * 255 / 320, 90, y * 255 / 200));
    const QString jpeg = dir.filePath(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(photo.save(jpeg, "JPEG"));
    Select("Custom...");
    prefs->eFile->setText(jpeg);
    Shot("prefs-background-custom.png");
    EXPECT_EQ(prefs->BackgroundPreview()->Picture().size(), photo.size());
}

} // namespace
