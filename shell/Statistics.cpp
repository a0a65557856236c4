#include "Statistics.h"

#include "Artwork.h"
#include "GameKinds.h"
#include "GradientButton.h"
#include "TiledWallpaper.h"

#include "ZelmoGame.h"

#include <QComboBox>
#include <QHeaderView>
#include <algorithm>
#include <QTableWidget>

namespace {

constexpr int ClientHeight = 181;
constexpr int Margin = 8;
constexpr int ButtonWidth = 97;
constexpr int TotalRow = TGameKinds::Count;

const char* const Columns[] = {QT_TRANSLATE_NOOP("TFStatistics", "Played"),
                               QT_TRANSLATE_NOOP("TFStatistics", "Won"),
                               QT_TRANSLATE_NOOP("TFStatistics", "Lost"),
                               QT_TRANSLATE_NOOP("TFStatistics", "Drawn"),
                               QT_TRANSLATE_NOOP("TFStatistics", "Abandoned"),
                               QT_TRANSLATE_NOOP("TFStatistics", "Won %"),
                               QT_TRANSLATE_NOOP("TFStatistics", "Streak"),
                               QT_TRANSLATE_NOOP("TFStatistics", "Longest wins"),
                               QT_TRANSLATE_NOOP("TFStatistics", "Longest losses")};

QString Percent(const TPlayerRecord& r)
{
    const auto percent = r.WonPercent();
    return percent ? QString::number(*percent, 'f', 0) + u'%' : QStringLiteral("-");
}

QString Streak(const TPlayerRecord& r)
{
    switch (r.StreakKind) {
    case TPlayerRecord::skWins:
        return TFStatistics::tr("%1 won").arg(r.Streak);
    case TPlayerRecord::skLosses:
        return TFStatistics::tr("%1 lost").arg(r.Streak);
    default:
        return QStringLiteral("-");
    }
}

} // namespace

TFStatistics::TFStatistics(QWidget* parent, TStatisticsStore statisticsStore, TConfirm ask)
    : QDialog(parent), store(std::move(statisticsStore)), confirm(std::move(ask))
{
    setObjectName(QStringLiteral("FStatistics"));
    setWindowTitle(tr("Statistics"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    // The small face of the program's other dialogs.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    new TTiledWallpaper(ArtworkPixmap(QStringLiteral(":/backgrounds/SNOWFLAKES1.png")), this);
    BuildTable();
    // As wide as the headings need, so none is cut off in any font.
    const int width = table->width() + 2 * Margin;
    setFixedSize(width, ClientHeight);

    btnReset = new TGradientButton(tr("&Reset"), this);
    btnReset->setGeometry(width - 2 * (ButtonWidth + Margin), ClientHeight - 33, ButtonWidth, 25);
    btnClose = new TGradientButton(tr("&Close"), this);
    btnClose->setGeometry(width - (ButtonWidth + Margin), ClientHeight - 33, ButtonWidth, 25);
    btnClose->setDefault(true);
    cbOpponent = new QComboBox(this);
    cbOpponent->addItem(tr("Against the classic CPU"), cpClassic);
    cbOpponent->addItem(tr("Against the strong CPU"), cpStrong);
    // Wider where a language's choices need it, up to the buttons.
    cbOpponent->setGeometry(Margin, ClientHeight - 33,
                            std::clamp(cbOpponent->sizeHint().width(), 160,
                                       btnReset->x() - 2 * Margin),
                            25);
    connect(cbOpponent, &QComboBox::currentIndexChanged, this, &TFStatistics::Refresh);
    connect(btnReset, &QPushButton::clicked, this, &TFStatistics::Reset);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TFStatistics::BuildTable()
{
    table = new QTableWidget(TGameKinds::Count + 1, int(std::size(Columns)), this);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int column = 0; column < table->columnCount(); ++column)
        table->setHorizontalHeaderItem(column, new QTableWidgetItem(tr(Columns[column])));
    for (int kind = 0; kind < TGameKinds::Count; ++kind)
        table->setVerticalHeaderItem(kind, new QTableWidgetItem(TGameKinds::DisplayName(kind)));
    auto* total = new QTableWidgetItem(tr("Total"));
    QFont bold = table->font();
    bold.setBold(true);
    total->setFont(bold);
    table->setVerticalHeaderItem(TotalRow, total);
    QHeaderView& columns = *table->horizontalHeader();
    int width = table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth();
    for (int column = 0; column < table->columnCount(); ++column) {
        table->resizeColumnToContents(column);
        const int needed = std::max(columns.sectionSize(column) + 8, 52);
        columns.resizeSection(column, needed);
        width += needed;
    }
    columns.setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setGeometry(Margin, Margin, width, ClientHeight - 49);
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            table->setItem(row, column, item);
        }
}

void TFStatistics::showEvent(QShowEvent* e)
{
    Refresh();
    QDialog::showEvent(e);
}

void TFStatistics::Refresh()
{
    TPlayerRecord total;
    for (int kind = 0; kind < TGameKinds::Count; ++kind) {
        const TPlayerRecord record = store.Load(TStatisticsStore::RecordName(
            TGameKinds::Name(kind), cbOpponent->currentData().toInt()));
        ShowRow(kind, record);
        total.Add(record);
    }
    ShowRow(TotalRow, total);
}

void TFStatistics::ShowRow(int row, const TPlayerRecord& r)
{
    const QString cells[] = {QString::number(r.Played()), QString::number(r.Won),
                             QString::number(r.Lost),     QString::number(r.Drawn),
                             QString::number(r.Abandoned), Percent(r),
                             row == TotalRow ? QStringLiteral("") : Streak(r),
                             QString::number(r.LongestWinning), QString::number(r.LongestLosing)};
    for (int column = 0; column < table->columnCount(); ++column)
        table->item(row, column)->setText(cells[column]);
}

void TFStatistics::Reset()
{
    if (!confirm(this, tr("Reset the statistics of all games?")))
        return;
    if (!store.Reset())
        TStatisticsStore::StandardError(
            QStringLiteral("Christmas Zelmo: could not reset the statistics"));
    Refresh();
}
