#pragma once
#include <QWidget>

// The ring around the card the keyboard would press. It lies over the board as a
// sibling, so the board's own pictures stay exactly as they are, and lets the mouse
// through.
class TFocusRing : public QWidget {
    Q_OBJECT
public:
    static constexpr int Margin = 2; // the gap between two hand cards

    explicit TFocusRing(QWidget* parent);

    // Puts the ring around a card's area, given in the parent's coordinates.
    void Surround(const QRect& card);

protected:
    void paintEvent(QPaintEvent* e) override;
};
