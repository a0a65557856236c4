#pragma once
#include <QColor>
#include <QPushButton>

// A push button painted with a two-colour elliptic gradient: EndColor in the middle
// fading to StartColor at the rim (reversed while pressed), a frame and black text.
class TGradientButton : public QPushButton {
    Q_OBJECT
public:
    explicit TGradientButton(const QString& text, QWidget* parent = nullptr);

    QColor StartColor() const { return startColor; }
    void SetStartColor(const QColor& color);
    QColor EndColor() const { return endColor; }
    void SetEndColor(const QColor& color);
    int FrameWidth() const { return frameWidth; }
    void SetFrameWidth(int width);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor startColor{0xC0, 0xC0, 0xC0}; // silver
    QColor endColor{Qt::white};
    int frameWidth = 2;
};
