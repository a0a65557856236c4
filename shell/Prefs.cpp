// The preferences dialog's life: loading the record at start-up, the previews while
// shown, OK and Cancel, and saving at program end.
#include "Prefs.h"

#include "Board.h"
#include "ColorSwatch.h"
#include "FileEdit.h"
#include "GradientButton.h"
#include "MainToolBar.h"
#include "TableSize.h"
#include "UMain.h"
#include "ZelmoGame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

const std::array<const char*, 14> TFPrefs::BackNames{QT_TR_NOOP("Candy Canes"),
                                                     QT_TR_NOOP("Rabbit"),
                                                     QT_TR_NOOP("Cone"),
                                                     QT_TR_NOOP("Elf Doll"),
                                                     QT_TR_NOOP("Gingerbread House"),
                                                     QT_TR_NOOP("Bells"),
                                                     QT_TR_NOOP("Chocolate Santa"),
                                                     QT_TR_NOOP("Candles"),
                                                     QT_TR_NOOP("Young Fir"),
                                                     QT_TR_NOOP("Santa Claus"),
                                                     QT_TR_NOOP("Elf With Gift"),
                                                     QT_TR_NOOP("Christmas Tree"),
                                                     QT_TR_NOOP("Ice Sculpture"),
                                                     QT_TR_NOOP("Snow-plough")};

TFPrefs::TFPrefs(TFMain& mainWindow, TSettingsStore settingsStore, TReport report)
    : QDialog(&mainWindow), main(mainWindow), record(mainWindow.Settings()),
      store(std::move(settingsStore))
{
    setObjectName(QStringLiteral("FPrefs"));
    setWindowTitle(tr("Zelmo Preferences"));
    setFixedSize(ClientWidth, ClientHeight);
    // The fixed layout is drawn for a small dialog face.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    Pages = new QTabWidget(this);
    Pages->setGeometry(8, 8, 425, 225);
    Pages->addTab(BuildGeneralPage(), tr("&General"));
    Pages->addTab(BuildBacksPage(), tr("&Backs"));
    Pages->addTab(BuildBackgroundsPage(), tr("B&ackgrounds"));
    Pages->addTab(BuildComputerPage(), tr("Co&mputer"));
    BuildButtons();
    LoadSettings(report);
}

TFPrefs::~TFPrefs()
{
    if (!store.Save(record, UnchangedUnread()))
        std::fprintf(stderr, "christmas-zelmo: could not save the settings to %s\n",
                     qPrintable(store.FilePath()));
}

void TFPrefs::BuildButtons()
{
    btnOK = new TGradientButton(tr("&OK"), this);
    btnOK->setGeometry(232, 240, 97, 25);
    btnOK->setDefault(true);
    btnCancel = new TGradientButton(tr("&Cancel"), this);
    btnCancel->setGeometry(336, 240, 97, 25);
    connect(btnOK, &QPushButton::clicked, this, &TFPrefs::Ok);
    connect(btnCancel, &QPushButton::clicked, this, &TFPrefs::reject);
}

void TFPrefs::LoadSettings(const TReport& report)
{
    record = TSettings::Defaults();
    record.AnimateTime = AnimationTime();
    const TSettingsStore::TLoadReport loaded = store.Load(record);
    // The swatches take a colour only when one was stored.
    if (loaded.Read.contains(QStringLiteral("StartColor"))) {
        pSolid->SetColor(ColorFromStored(record.StartColor));
        pC1->SetColor(ColorFromStored(record.StartColor));
    }
    if (loaded.Read.contains(QStringLiteral("EndColor")))
        pC2->SetColor(ColorFromStored(record.EndColor));
    unread = loaded.Unread;
    atLoad = TSettingsStore::Values(record);
    if (loaded.WrongType)
        report(tr("Invalid data type for '%1'").arg(*loaded.WrongType));
    // A wrong type still leaves a consistent look: the values read so far, the rest
    // their defaults.
    background = record.Background;
    {
        const QSignalBlocker quiet(eFile);
        eFile->setText(record.BackgroundImage);
    }
    lastLoaded = record.Background == 0 ? record.BackgroundImage : QString();
    SyncPictureChoiceFromRecord();
    cbFlatbuttons->setChecked(record.FlatButtons);
    TestToolbar->SetFlat(record.FlatButtons);
    cbDrawFrame->setChecked(record.DrawFrame);
    lbBacks->setCurrentRow(record.CardBack);
    main.ApplyToolbarLook();
    shown = Snapshot();
}

namespace {

std::optional<QVariant> ValueOf(const TSettingsStore::TValues& values, const QString& name)
{
    const auto found = std::find_if(values.begin(), values.end(),
                                    [&name](const auto& value) { return value.first == name; });
    return found == values.end() ? std::nullopt : std::optional(found->second);
}

} // namespace

// Values a wrong type kept from being read stay as stored until the player changes them.
QStringList TFPrefs::UnchangedUnread() const
{
    const TSettingsStore::TValues now = TSettingsStore::Values(record);
    QStringList keep;
    for (const QString& name : unread)
        if (ValueOf(now, name) == ValueOf(atLoad, name))
            keep << name;
    return keep;
}

void TFPrefs::SyncPictureChoiceFromRecord()
{
    rbTile->setChecked(record.BackType == btTile);
    rbStretch->setChecked(record.BackType != btTile);
    cbOneToOne->setChecked(record.BackType == btPropStretch);
    cbOneToOne->setVisible(rbStretch->isChecked());
}

QPoint TFPrefs::FanPosition(int i)
{
    const double t = double(i) / FanCards;
    // nearbyint rounds a half to the even neighbour.
    return {4 + int(std::nearbyint(230 * t * t)), 4 + int(std::nearbyint(80 * t * t))};
}

void TFPrefs::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (backsPreview)
        return; // shown again without having been hidden
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    CreatePreviews();
    for (int i = 0; i < FanCards; ++i) {
        TCard* card = backsPreview->NewCard(nullptr, Ace, Clubs, false);
        const QPoint at = FanPosition(i);
        card->SetPos(at.x(), at.y());
    }
    backgroundPreview->SetColor(ColorFromStored(record.StartColor));
    backgroundPreview->SetColor2(ColorFromStored(record.EndColor));
    backgroundPreview->SetBackType(TBoardBackType(record.BackType));
    backgroundPreview->SetPicture(record.BackPicture);
    backgroundPreview->RebuildBackground();
    SyncBacksPreview();
    backsPreview->SetDrawBackFrame(record.DrawFrame);
    SyncControlsFromRecord();
    SelectNodeFromRecord();
    BackClicked();
    Pages->setCurrentIndex(0);
    shown = Snapshot();
}

void TFPrefs::CreatePreviews()
{
    auto preview = [](QFrame* panel) {
        auto* board = new TBoard(panel);
        board->setGeometry(panel->contentsRect());
        board->show();
        return board;
    };
    backsPreview = preview(backsPanel);
    backgroundPreview = preview(backgroundPanel);
}

void TFPrefs::hideEvent(QHideEvent* e)
{
    delete backsPreview;
    delete backgroundPreview;
    QDialog::hideEvent(e);
}

void TFPrefs::SyncControlsFromRecord()
{
    cbShowtoolbar->setChecked(record.ShowToolbar);
    cbFlatbuttons->setChecked(record.FlatButtons);
    TrackBar->setValue(record.AnimateTime);
    rbPacing.at(size_t(record.AnimateType))->setChecked(true);
    cmbTableSize->setCurrentIndex(
        int(std::find(TableSizes.begin(), TableSizes.end(), record.Zoom) - TableSizes.begin()));
    (record.CpuPlayer == cpStrong ? rbStrong : rbClassic)->setChecked(true);
    cmbLanguage->setCurrentIndex(std::max(cmbLanguage->findData(record.Language), 0));
}

void TFPrefs::BackClicked()
{
    if (!backsPreview || lbBacks->currentRow() < 0)
        return;
    backsPreview->SetAutoCardBack(lbBacks->currentRow());
    backsPreview->ApplyCardBack();
}

void TFPrefs::Ok()
{
    record.StartColor = StoredFromColor(backgroundPreview->Color());
    record.EndColor = StoredFromColor(backgroundPreview->Color2());
    record.BackType = backgroundPreview->BackType();
    record.CardBack = backsPreview->AutoCardBack();
    record.DrawFrame = backsPreview->DrawBackFrame();
    record.BackPicture = backgroundPreview->Picture();
    record.ShowToolbar = cbShowtoolbar->isChecked();
    record.FlatButtons = cbFlatbuttons->isChecked();
    record.AnimateTime = TrackBar->value();
    record.AnimateType = 0;
    for (int type = 0; type < int(rbPacing.size()); ++type)
        if (rbPacing.at(size_t(type))->isChecked())
            record.AnimateType = type;
    record.Zoom = TableSizes.at(size_t(std::max(cmbTableSize->currentIndex(), 0)));
    record.CpuPlayer = rbStrong->isChecked() ? cpStrong : cpClassic;
    record.Language = cmbLanguage->currentData().toString();
    record.Background = background;
    if (background == 0)
        record.BackgroundImage = lastLoaded;
    main.ApplyToolbarLook();
    accept();
}

void TFPrefs::reject()
{
    // Cancel, Escape and the close box all leave the record and every control as they
    // were when the dialog was shown.
    Restore(shown);
    QDialog::reject();
}

TFPrefs::TControls TFPrefs::Snapshot() const
{
    return {pSolid->Color(),       pC1->Color(), pC2->Color(), eFile->text(), rbTile->isChecked(),
            cbOneToOne->isChecked(), background,  lastLoaded};
}

void TFPrefs::Restore(const TControls& controls)
{
    pSolid->SetColor(controls.solid);
    pC1->SetColor(controls.start);
    pC2->SetColor(controls.end);
    {
        const QSignalBlocker quiet(eFile);
        eFile->setText(controls.file);
    }
    rbTile->setChecked(controls.tile);
    rbStretch->setChecked(!controls.tile);
    cbOneToOne->setChecked(controls.oneToOne);
    cbOneToOne->setVisible(!controls.tile);
    background = controls.background;
    lastLoaded = controls.lastLoaded;
    SyncControlsFromRecord();
    TestToolbar->SetFlat(record.FlatButtons);
    cbDrawFrame->setChecked(record.DrawFrame);
    lbBacks->setCurrentRow(record.CardBack);
    if (backgroundPreview) {
        backgroundPreview->SetColor(ColorFromStored(record.StartColor));
        backgroundPreview->SetColor2(ColorFromStored(record.EndColor));
        backgroundPreview->SetBackType(TBoardBackType(record.BackType));
        backgroundPreview->SetPicture(record.BackPicture);
    }
    if (backsPreview) {
        backsPreview->SetAutoCardBack(record.CardBack);
        backsPreview->SetDrawBackFrame(record.DrawFrame);
        backsPreview->SetPicture(record.BackPicture);
    }
}
