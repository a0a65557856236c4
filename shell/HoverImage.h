#pragma once
#include <QPixmap>
#include <QSet>
#include <QWidget>
#include <vector>

class THotArea;

// A picture that shows its hover picture while the pointer is over it or over one of
// its invisible hot areas, and reports a left click on either.
class THoverImage : public QWidget {
    Q_OBJECT
public:
    THoverImage(const QPixmap& normal, const QPixmap& hover, QWidget* parent);

    // An invisible area on the same parent that acts as part of this image.
    THotArea* AddHotArea(const QRect& geometry);
    // Tooltip and status tip of the image and all its hot areas.
    void SetHint(const QString& hint);
    bool Hovered() const { return isEnabled() && !hoveredParts.isEmpty(); }
    void SetPictures(const QPixmap& normal, const QPixmap& hover);
    const QPixmap& Picture() const { return normalPicture; }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    friend class THotArea;
    void SetPartHovered(const QObject* part, bool on);

    QPixmap normalPicture;
    QPixmap hoverPicture;
    std::vector<THotArea*> hotAreas;
    QSet<const QObject*> hoveredParts;
};

// The invisible stand-in of a hover image, e.g. the figure belonging to a name label.
class THotArea : public QWidget {
    Q_OBJECT
public:
    THotArea(THoverImage& image, const QRect& geometry);

protected:
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    THoverImage& image;
};

// A left-button release inside the widget: what counts as a click here.
bool IsClickRelease(const QWidget& widget, const QMouseEvent& e);
