#include "MessageBoxes.h"

#include "Commons.h"
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString MessageBoxText(const char* text)
{
    return QCoreApplication::translate("MessageBoxes", text);
}

} // namespace

void ShowMessage(const QString& text, QWidget* parent)
{
    QMessageBox box(QMessageBox::NoIcon, ShownTitle(), text, QMessageBox::NoButton, parent);
    box.addButton(MessageBoxText("OK"), QMessageBox::AcceptRole);
    box.exec();
}

bool AskConfirmation(const QString& text, QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, MessageBoxText("Confirm"), text, QMessageBox::NoButton,
                    parent);
    QPushButton* yes = box.addButton(MessageBoxText("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(MessageBoxText("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
