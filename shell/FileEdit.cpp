#include "FileEdit.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QStyle>
#include <QUrl>

TFileEdit::TFileEdit(const QString& windowsFilter, QWidget* parent)
    : QLineEdit(parent), filter(DialogFilter(windowsFilter))
{
    setReadOnly(true);
    setAcceptDrops(true);
    ChooseFile = [](QWidget* owner, const QString& dialogFilter) {
        return QFileDialog::getOpenFileName(owner, QString(), QString(), dialogFilter, nullptr,
                                            QFileDialog::DontUseNativeDialog);
    };
    QAction* browse =
        addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
    browse->setToolTip(tr("Browse"));
    connect(browse, &QAction::triggered, this, &TFileEdit::Browse);
}

QString TFileEdit::DialogFilter(const QString& windowsFilter)
{
    const QStringList parts = windowsFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The description carries its own copy of the patterns; Qt wants them once,
        // space-separated, in the parentheses.
        QString description = parts[i];
        if (const qsizetype open = description.indexOf(u'('); open > 0)
            description = description.left(open).trimmed();
        filters << description + QStringLiteral(" (") + QString(parts[i + 1]).replace(u';', u' ') +
                       u')';
    }
    return filters.join(QStringLiteral(";;"));
}

void TFileEdit::Browse()
{
    const QString name = ChooseFile(this, filter);
    if (!name.isEmpty())
        setText(name);
}

QString TFileEdit::DroppedName(const QMimeData& data)
{
    if (data.hasUrls())
        for (const QUrl& url : data.urls())
            if (url.isLocalFile())
                return url.toLocalFile();
    // A dragged name as text may come in quotes; the dialog strips them.
    return data.hasText() ? data.text().trimmed() : QString();
}

void TFileEdit::dragEnterEvent(QDragEnterEvent* e)
{
    if (!DroppedName(*e->mimeData()).isEmpty())
        e->acceptProposedAction();
}

void TFileEdit::dragMoveEvent(QDragMoveEvent* e)
{
    if (!DroppedName(*e->mimeData()).isEmpty())
        e->acceptProposedAction();
}

bool TFileEdit::TakeDropped(const QMimeData& data)
{
    const QString name = DroppedName(data);
    if (name.isEmpty())
        return false;
    setText(name);
    return true;
}

void TFileEdit::dropEvent(QDropEvent* e)
{
    if (TakeDropped(*e->mimeData()))
        e->acceptProposedAction();
}
