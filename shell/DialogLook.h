#pragma once

#include <QColor>
#include <QSize>
#include <QString>

class QDialog;
class QWidget;

// Fills a widget's background with one colour.
void FillBackground(QWidget* widget, const QColor& colour);

// The small white boxes (About, Game over): a fixed client size, a title bar with only
// the close button, modal, and an 11 px face so that their longest texts fit.
void SetUpSmallDialog(QDialog* dialog, const QString& objectName, const QString& title,
                      QSize clientSize);
