// The preferences dialog's controls, page by page, at their fixed places.
#include "Prefs.h"

#include "Board.h"
#include "ColorSwatch.h"
#include "FileEdit.h"
#include "IconStrips.h"
#include "MainToolBar.h"
#include "TableSize.h"
#include "Translations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QTreeWidget>

namespace {

constexpr const char* PictureFilter = QT_TRANSLATE_NOOP(
    "TFPrefs",
    "All Images (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;"
    "*.wmf|Portable Graphics Network (*.png)|*.png|PCX Image (*.pcx)|*.pcx|ANI Image "
    "(*.ani)|*.ani|JPEG Image (*.jpeg;*.jpg)|*.jpeg;*.jpg");

// Room for the pacing choices, left of the vertical line at 124.
constexpr int PacingWidth = 120;

template <class T> T* Place(T* widget, int x, int y, int w = -1, int h = -1)
{
    if (w < 0)
        widget->adjustSize();
    widget->setGeometry(x, y, w < 0 ? widget->width() : w, h < 0 ? widget->height() : h);
    return widget;
}

// Every widget of a sample: seen, never clicked or focused.
void MakeUntouchable(QWidget* widget)
{
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setFocusPolicy(Qt::NoFocus);
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
        child->setFocusPolicy(Qt::NoFocus);
    }
}

struct TNode {
    const char* text;
    int code; // -1 for a group
    int depth;
};
constexpr TNode Nodes[] = {
    {QT_TRANSLATE_NOOP("TFPrefs", "Solid color"), 0, 0},
    {QT_TRANSLATE_NOOP("TFPrefs", "Gradient"), -1, 0},
    {QT_TRANSLATE_NOOP("TFPrefs", "Horizontal"), 1, 1},
    {QT_TRANSLATE_NOOP("TFPrefs", "Vertical"), 2, 1},
    {QT_TRANSLATE_NOOP("TFPrefs", "Elliptic"), 3, 1},
    {QT_TRANSLATE_NOOP("TFPrefs", "Rectangular"), 4, 1},
    {QT_TRANSLATE_NOOP("TFPrefs", "Bitmap"), -1, 0},
    {QT_TRANSLATE_NOOP("TFPrefs", "Bells"), 5, 1},
    {QT_TRANSLATE_NOOP("TFPrefs", "Candy Canes"), 6, 1},
    {QT_TRANSLATE_NOOP("TFPrefs", "Gifts"), 7, 1},
    {QT_TRANSLATE_NOOP("TFPrefs", "Snowflakes 1"), 8, 1},
    {QT_TRANSLATE_NOOP("TFPrefs", "Snow"), 9, 1},
    {QT_TRANSLATE_NOOP("TFPrefs", "Snowflakes 2"), 10, 1},
    {QT_TRANSLATE_NOOP("TFPrefs", "Custom..."), TFPrefs::CodeCustom, 1},
};

} // namespace

QFrame* TFPrefs::PreviewPanel(QWidget* page)
{
    auto* panel = new QFrame(page);
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setGeometry(148, 0, PreviewWidth, PreviewHeight);
    return panel;
}

QWidget* TFPrefs::BuildGeneralPage()
{
    auto* page = new QWidget;
    auto* sample = new QWidget(page);
    sample->setGeometry(8, 8, 177, TMainToolBar::BandHeight);
    static const TIconStrips icons;
    TestToolbar = new TMainToolBar(icons, sample);
    TestToolbar->setGeometry(0, 0, 177, TMainToolBar::BandHeight);
    MakeUntouchable(sample);

    auto* toolbar = Place(new QGroupBox(tr("Toolbar "), page), 8, 40, 129, 65);
    cbShowtoolbar = Place(new QCheckBox(tr("Show toolbar"), toolbar), 8, 18);
    cbShowtoolbar->setToolTip(tr("Show toolbar in main window"));
    cbShowtoolbar->setStatusTip(cbShowtoolbar->toolTip());
    cbFlatbuttons = Place(new QCheckBox(tr("Flat buttons"), toolbar), 8, 40);
    connect(cbFlatbuttons, &QCheckBox::toggled, TestToolbar, &TMainToolBar::SetFlat);

    auto* animation = Place(new QGroupBox(tr(" Card animation "), page), 152, 40, 249, 137);
    // Top to bottom; each stands for the animate type it is stored under.
    const std::pair<const char*, int> pacing[] = {{QT_TR_NOOP("Much accelerated"), 4},
                                                  {QT_TR_NOOP("Acceleration"), 3},
                                                  {QT_TR_NOOP("Steady"), 0},
                                                  {QT_TR_NOOP("Deceleration"), 1},
                                                  {QT_TR_NOOP("Much decelerated"), 2}};
    int y = 18;
    for (const auto& [text, type] : pacing) {
        // As wide as the room left of the vertical line, so that a caption never reaches it.
        QRadioButton* choice = Place(new QRadioButton(tr(text), animation), 4, y);
        choice->resize(PacingWidth, choice->height());
        rbPacing.at(size_t(type)) = choice;
        y += 22;
    }
    // A few pixels right of its classic place, so that the radio captions clear it.
    VerticalLine = Place(new QFrame(animation), 124, 16, 2, 112);
    VerticalLine->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    VerticalLine->setToolTip(
        tr("The vertical line.\nThis hint is a kind of easter egg that does nothing."));
    Place(new QLabel(tr("Animation time:"), animation), 132, 18);
    TrackBar = Place(new QSlider(Qt::Horizontal, animation), 130, 38, 113, 30);
    TrackBar->setRange(10, 1000);
    TrackBar->setSingleStep(10);
    TrackBar->setPageStep(10);
    TrackBar->setTickInterval(100);
    TrackBar->setTickPosition(QSlider::TicksBelow);
    Place(new QLabel(QStringLiteral("10"), animation), 132, 70);
    auto* most = Place(new QLabel(QStringLiteral("1000"), animation), 0, 70);
    most->move(243 - most->width(), 70);
    lblTime = Place(new QLabel(animation), 152, 88, 70, 16);
    lblTime->setAlignment(Qt::AlignCenter);
    connect(TrackBar, &QSlider::valueChanged, lblTime,
            [this](int value) { lblTime->setText(tr("%1 msec").arg(value)); });
    BuildTableSize(page);
    BuildLanguage(page);
    return page;
}

void TFPrefs::BuildTableSize(QWidget* page)
{
    auto* group = Place(new QGroupBox(tr("Table size "), page), 8, 112, 129, 65);
    cmbTableSize = Place(new QComboBox(group), 8, 24, 113, 22);
    for (int zoom : TableSizes)
        cmbTableSize->addItem(TableSizeName(zoom));
    cmbTableSize->setToolTip(tr("Show the whole game larger"));
    cmbTableSize->setStatusTip(cmbTableSize->toolTip());
    lblRestartNote = Place(new QLabel(tr("The table resizes at once; menus, dialogs and a new "
                                         "language at the next start."),
                                      page),
                           8, 184);
}

void TFPrefs::BuildLanguage(QWidget* page)
{
    auto* label = Place(new QLabel(tr("Language:"), page), 200, 14);
    const int left = label->geometry().right() + 8;
    cmbLanguage = Place(new QComboBox(page), left, 10, 401 - left, 22);
    cmbLanguage->addItem(tr("System language"), QString());
    for (const TLanguage& language : Languages)
        cmbLanguage->addItem(QString::fromUtf8(language.Name), QString::fromLatin1(language.Code));
    label->setBuddy(cmbLanguage);
}

QWidget* TFPrefs::BuildBacksPage()
{
    auto* page = new QWidget;
    lbBacks = Place(new QListWidget(page), 8, 8, 137, 153);
    for (const char* name : BackNames) {
        auto* item = new QListWidgetItem(tr(name), lbBacks);
        item->setSizeHint(QSize(0, 16));
    }
    connect(lbBacks, &QListWidget::currentRowChanged, this, &TFPrefs::BackClicked);
    cbDrawFrame = Place(new QCheckBox(tr("Draw frame"), page), 8, 168);
    connect(cbDrawFrame, &QCheckBox::toggled, this, [this](bool on) {
        if (!backsPreview)
            return;
        backsPreview->SetDrawBackFrame(on);
        backsPreview->update();
    });
    backsPanel = PreviewPanel(page);
    return page;
}

QWidget* TFPrefs::BuildBackgroundsPage()
{
    auto* page = new QWidget;
    Tree = Place(new QTreeWidget(page), 8, 8, 137, 121);
    Tree->setHeaderHidden(true);
    Tree->setRootIsDecorated(false);
    Tree->setItemsExpandable(false);
    Tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tree->setIndentation(12);
    const QIcon groupIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon nodeIcon = style()->standardIcon(QStyle::SP_FileIcon);
    QTreeWidgetItem* group = nullptr;
    for (const TNode& node : Nodes) {
        auto* item = node.depth == 0 ? new QTreeWidgetItem(Tree) : new QTreeWidgetItem(group);
        item->setText(0, tr(node.text));
        item->setData(0, Qt::UserRole, node.code);
        item->setIcon(0, node.code < 0 ? groupIcon : nodeIcon);
        if (node.code < 0) {
            item->setFlags(Qt::ItemIsEnabled); // a group is never selected
            group = item;
        }
    }
    Tree->expandAll();
    connect(Tree, &QTreeWidget::itemSelectionChanged, this, &TFPrefs::TreeChange);
    BuildPanels(page);
    backgroundPanel = PreviewPanel(page);
    return page;
}

void TFPrefs::BuildPanels(QWidget* page)
{
    pnlColor = Place(new QWidget(page), 8, 136, 137, 57);
    Place(new QLabel(tr("Select board color:"), pnlColor), 0, 2);
    pSolid =
        Place(new TColorSwatch(tr("Click here"), QColor(0, 0xC4, 0), pnlColor), 0, 22, 121, 25);

    pnlGradient = Place(new QWidget(page), 8, 136, 137, 57);
    Place(new QLabel(tr("Start color"), pnlGradient), 0, 0);
    Place(new QLabel(tr("End color"), pnlGradient), 72, 0);
    pC1 = Place(new TColorSwatch(tr("Click..."), QColor(0, 0xC4, 0), pnlGradient), 0, 15, 64, 25);
    pC2 = Place(new TColorSwatch(tr("Click..."), Qt::black, pnlGradient), 72, 15, 64, 25);
    auto* swap = Place(new QPushButton(tr("Swap colors"), pnlGradient), 28, 42, 80, 15);
    swap->setStyleSheet(QStringLiteral("font-size: 8pt; padding: 0px;"));
    btnSwap = swap;
    connect(swap, &QPushButton::clicked, this, [this] {
        const QColor start = pC1->Color();
        pC1->SetColor(pC2->Color());
        pC2->SetColor(start);
        TreeChange();
    });
    for (TColorSwatch* swatch : {pSolid, pC1, pC2})
        connect(swatch, &TColorSwatch::ColorChosen, this, &TFPrefs::TreeChange);

    pnlPicture = Place(new QWidget(page), 8, 136, 137, 57);
    eFile = Place(new TFileEdit(tr(PictureFilter), pnlPicture), 0, 0, 137, 21);
    connect(eFile, &QLineEdit::textChanged, this, &TFPrefs::TreeChange);
    rbStretch = Place(new QRadioButton(tr("Stretch"), pnlPicture), 0, 24);
    rbTile = Place(new QRadioButton(tr("Tile"), pnlPicture), 72, 24);
    cbOneToOne = Place(new QCheckBox(QStringLiteral("1:1"), pnlPicture), 0, 40);
    for (QAbstractButton* choice : {static_cast<QAbstractButton*>(rbStretch),
                                    static_cast<QAbstractButton*>(rbTile),
                                    static_cast<QAbstractButton*>(cbOneToOne)})
        connect(choice, &QAbstractButton::clicked, this, &TFPrefs::TreeChange);
    pnlColor->hide();
    pnlGradient->hide();
    pnlPicture->hide();
}

QWidget* TFPrefs::BuildComputerPage()
{
    auto* page = new QWidget;
    auto* player = Place(new QGroupBox(tr(" Computer player "), page), 8, 8, 401, 121);
    rbClassic = Place(new QRadioButton(tr("Classic"), player), 8, 20);
    rbClassic->setToolTip(tr("Plays by fixed rules, as the hint does"));
    rbStrong = Place(new QRadioButton(tr("Strong"), player), 8, 64);
    rbStrong->setToolTip(tr("Thinks ahead from what it has seen, never from your cards"));
    for (QRadioButton* choice : {rbClassic, rbStrong}) {
        choice->setStatusTip(choice->toolTip());
        auto* note = Place(new QLabel(choice->toolTip(), player), 26, choice->y() + 20);
        note->setEnabled(false);
    }
    Place(new QLabel(tr("A change counts from the next game on."), page), 8, 140);
    return page;
}
