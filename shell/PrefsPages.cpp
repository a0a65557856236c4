// The preferences dialog's controls, page by page, at their fixed places.
#include "Prefs.h"

#include "Board.h"
#include "ColorSwatch.h"
#include "FileEdit.h"
#include "IconStrips.h"
#include "MainToolBar.h"
#include "TableSize.h"

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

constexpr const char* PictureFilter =
    "All Images (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;"
    "*.wmf|Portable Graphics Network (*.png)|*.png|PCX Image (*.pcx)|*.pcx|ANI Image "
    "(*.ani)|*.ani|JPEG Image (*.jpeg;*.jpg)|*.jpeg;*.jpg";

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
    {"Solid color", 0, 0},  {"Gradient", -1, 0},    {"Horizontal", 1, 1},  {"Vertical", 2, 1},
    {"Elliptic", 3, 1},     {"Rectangular", 4, 1},  {"Bitmap", -1, 0},     {"Bells", 5, 1},
    {"Candy Canes", 6, 1},  {"Gifts", 7, 1},        {"Snowflakes 1", 8, 1}, {"Snow", 9, 1},
    {"Snowflakes 2", 10, 1}, {"Custom...", TFPrefs::CodeCustom, 1},
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

    auto* toolbar = Place(new QGroupBox(QStringLiteral("Toolbar "), page), 8, 40, 129, 65);
    cbShowtoolbar = Place(new QCheckBox(QStringLiteral("Show toolbar"), toolbar), 8, 18);
    cbShowtoolbar->setToolTip(QStringLiteral("Show toolbar in main window"));
    cbShowtoolbar->setStatusTip(cbShowtoolbar->toolTip());
    cbFlatbuttons = Place(new QCheckBox(QStringLiteral("Flat buttons"), toolbar), 8, 40);
    connect(cbFlatbuttons, &QCheckBox::toggled, TestToolbar, &TMainToolBar::SetFlat);

    auto* animation =
        Place(new QGroupBox(QStringLiteral(" Card animation "), page), 152, 40, 249, 137);
    // Top to bottom; each stands for the animate type it is stored under.
    const std::pair<const char*, int> pacing[] = {{"Much accelerated", 4},
                                                  {"Acceleration", 3},
                                                  {"Steady", 0},
                                                  {"Deceleration", 1},
                                                  {"Much decelerated", 2}};
    int y = 18;
    for (const auto& [text, type] : pacing) {
        rbPacing.at(size_t(type)) = Place(new QRadioButton(QString::fromUtf8(text), animation), 4, y);
        y += 22;
    }
    // A few pixels right of its classic place, so that the radio captions clear it.
    VerticalLine = Place(new QFrame(animation), 124, 16, 2, 112);
    VerticalLine->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    VerticalLine->setToolTip(QStringLiteral(
        "The vertical line.\nThis hint is a kind of easter egg that does nothing."));
    Place(new QLabel(QStringLiteral("Animation time:"), animation), 132, 18);
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
            [this](int value) { lblTime->setText(QString::number(value) + " msec"); });
    BuildTableSize(page);
    return page;
}

void TFPrefs::BuildTableSize(QWidget* page)
{
    auto* group = Place(new QGroupBox(QStringLiteral("Table size "), page), 8, 112, 129, 65);
    cmbTableSize = Place(new QComboBox(group), 8, 24, 113, 22);
    for (int zoom : TableSizes)
        cmbTableSize->addItem(TableSizeName(zoom));
    cmbTableSize->setToolTip(QStringLiteral("Show the whole game larger"));
    cmbTableSize->setStatusTip(cmbTableSize->toolTip());
    lblTableSizeNote = Place(new QLabel(tr("The table resizes at once; menus and dialogs at "
                                           "the next start."),
                                        page),
                             8, 184);
}

QWidget* TFPrefs::BuildBacksPage()
{
    auto* page = new QWidget;
    lbBacks = Place(new QListWidget(page), 8, 8, 137, 153);
    for (const char* name : BackNames) {
        auto* item = new QListWidgetItem(QString::fromUtf8(name), lbBacks);
        item->setSizeHint(QSize(0, 16));
    }
    connect(lbBacks, &QListWidget::currentRowChanged, this, &TFPrefs::BackClicked);
    cbDrawFrame = Place(new QCheckBox(QStringLiteral("Draw frame"), page), 8, 168);
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
        item->setText(0, QString::fromUtf8(node.text));
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
    Place(new QLabel(QStringLiteral("Select board color:"), pnlColor), 0, 2);
    pSolid = Place(new TColorSwatch(QStringLiteral("Click here"), QColor(0, 0xC4, 0), pnlColor),
                   0, 22, 121, 25);

    pnlGradient = Place(new QWidget(page), 8, 136, 137, 57);
    Place(new QLabel(QStringLiteral("Start color"), pnlGradient), 0, 0);
    Place(new QLabel(QStringLiteral("End color"), pnlGradient), 72, 0);
    pC1 = Place(new TColorSwatch(QStringLiteral("Click..."), QColor(0, 0xC4, 0), pnlGradient), 0,
                15, 64, 25);
    pC2 = Place(new TColorSwatch(QStringLiteral("Click..."), Qt::black, pnlGradient), 72, 15, 64,
                25);
    auto* swap = Place(new QPushButton(QStringLiteral("Swap colors"), pnlGradient), 28, 42, 80, 15);
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
    eFile = Place(new TFileEdit(QString::fromUtf8(PictureFilter), pnlPicture), 0, 0, 137, 21);
    connect(eFile, &QLineEdit::textChanged, this, &TFPrefs::TreeChange);
    rbStretch = Place(new QRadioButton(QStringLiteral("Stretch"), pnlPicture), 0, 24);
    rbTile = Place(new QRadioButton(QStringLiteral("Tile"), pnlPicture), 72, 24);
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
    auto* player = Place(new QGroupBox(QStringLiteral(" Computer player "), page), 8, 8, 401, 121);
    rbClassic = Place(new QRadioButton(QStringLiteral("Classic"), player), 8, 20);
    rbClassic->setToolTip(QStringLiteral("Plays by fixed rules, as the hint does"));
    rbStrong = Place(new QRadioButton(QStringLiteral("Strong"), player), 8, 64);
    rbStrong->setToolTip(
        QStringLiteral("Thinks ahead from what it has seen, never from your cards"));
    for (QRadioButton* choice : {rbClassic, rbStrong}) {
        choice->setStatusTip(choice->toolTip());
        auto* note = Place(new QLabel(choice->toolTip(), player), 26, choice->y() + 20);
        note->setEnabled(false);
    }
    Place(new QLabel(QStringLiteral("A change counts from the next game on."), page), 8, 140);
    return page;
}
