#include "TableSize.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

void ApplyTableSize(int zoom)
{
    if (zoom == 100)
        return;
    bool ok = false;
    const double asked = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    const double scale = ok && asked > 0 ? asked : 1.0;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale * zoom / 100.0));
}
