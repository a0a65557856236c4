#include "TableSize.h"

#include "Board.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QtGlobal>

namespace {
// The table size the start scaled everything to, as a factor.
qreal startFactor = 1;
} // namespace

void ApplyTableSize(int zoom)
{
    if (zoom == 100 || zoom == FitToWindow)
        return;
    bool ok = false;
    const double asked = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    const double scale = ok && asked > 0 ? asked : 1.0;
    startFactor = zoom / 100.0;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale * startFactor));
}

qreal TableScale(int zoom)
{
    return zoom == FitToWindow ? TBoard::FitTable : zoom / 100.0 / startFactor;
}

QString TableSizeName(int zoom)
{
    return zoom == FitToWindow ? QCoreApplication::translate("TFPrefs", "Fit to window")
                               : QCoreApplication::translate("TFPrefs", "%1 %").arg(zoom);
}
