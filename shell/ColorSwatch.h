#pragma once
#include <QColor>
#include <QLabel>
#include <functional>
#include <optional>

// A coloured panel with a caption; a click opens the colour dialog and a confirmed
// colour becomes the swatch's.
class TColorSwatch : public QLabel {
    Q_OBJECT
public:
    TColorSwatch(const QString& caption, const QColor& color, QWidget* parent = nullptr);

    QColor Color() const { return color; }
    void SetColor(const QColor& newColor);

    // Asks for a colour, starting from the given one; nothing when cancelled. Tests
    // replace it.
    static std::function<std::optional<QColor>(QWidget* parent, const QColor& start)> PickColor;

signals:
    // A colour chosen by the player (not one set by the program).
    void ColorChosen();

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    QColor color;
};
