#pragma once
#include <QFont>
#include <QStatusBar>
#include <QStringList>

// How a status text fits its box: the font it is drawn in and its one or two lines.
struct TStatusFit {
    QFont Font;
    QStringList Lines;
};

// Fits a text into a box without losing a word: the base font if the text fits on one
// line, else the largest smaller font down to minPixelSize that does, else two lines
// broken between words at the largest font whose two lines fit, never below the
// minimum. Only a text too long even for that runs past the box.
TStatusFit FitStatusText(const QString& text, const QFont& base, QSize box, int minPixelSize);

// The main window's status bar: its message is shown whole, shrunk or on two lines
// rather than cut off at the window's edge.
class TStatusLine : public QStatusBar {
    Q_OBJECT
public:
    // The smallest font a message is drawn in, in pixels.
    static constexpr int MinimumPixelSize = 8;

    explicit TStatusLine(QWidget* parent = nullptr);

    // Where the message is drawn, and how the current message fits there.
    QRect MessageRect() const;
    TStatusFit CurrentFit() const;

protected:
    void paintEvent(QPaintEvent* e) override;
};
