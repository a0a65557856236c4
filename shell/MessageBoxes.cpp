#include "MessageBoxes.h"

#include "Commons.h"
#include <QMessageBox>
#include <QPushButton>

void ShowMessage(const QString& text, QWidget* parent)
{
    QMessageBox box(QMessageBox::NoIcon, AppTitle, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

bool AskConfirmation(const QString& text, QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::NoButton,
                    parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
