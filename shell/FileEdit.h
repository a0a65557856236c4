#pragma once
#include <QLineEdit>
#include <QString>
#include <functional>

class QMimeData;

// A file-name box that takes no typed text: only a file chosen with its browse button
// (which must exist) or a file dropped on it. Every change of the text is reported
// through textChanged.
class TFileEdit : public QLineEdit {
    Q_OBJECT
public:
    // filter is a list of "description|patterns" pairs joined by '|', patterns
    // separated by ';', as in "Bitmaps (*.bmp)|*.bmp|All (*.*)|*.*".
    explicit TFileEdit(const QString& filter, QWidget* parent = nullptr);

    // The same filter as the file dialog takes it: "Bitmaps (*.bmp);;All (*.*)".
    static QString DialogFilter(const QString& filter);

    // Takes the file named by dropped data (the first local file, or text); false when
    // it names none.
    bool TakeDropped(const QMimeData& data);

    // Asks for a file; an empty name when the player cancels. Tests replace it.
    std::function<QString(QWidget* parent, const QString& dialogFilter)> ChooseFile;

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void Browse();
    static QString DroppedName(const QMimeData& data);

    QString filter;
};
