#include "DialogLook.h"

#include <QDialog>

void FillBackground(QWidget* widget, const QColor& colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void SetUpSmallDialog(QDialog* dialog, const QString& objectName, const QString& title,
                      QSize clientSize)
{
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(title);
    dialog->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    dialog->setModal(true);
    dialog->setFixedSize(clientSize);
    QFont small = dialog->font();
    small.setPixelSize(11);
    dialog->setFont(small);
    FillBackground(dialog, Qt::white);
}
