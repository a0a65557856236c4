#pragma once
#include <QLabel>
#include <QUrl>

// A label that opens an address with the desktop's program for it (the browser, a new
// mail message): blue, underlined while the pointer is over it, with a hand cursor.
class TLinkLabel : public QLabel {
    Q_OBJECT
public:
    TLinkLabel(const QString& text, QUrl url, QWidget* parent = nullptr);

protected:
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void SetUnderlined(bool on);

    QUrl url;
};
