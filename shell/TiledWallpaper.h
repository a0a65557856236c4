#pragma once
#include <QPixmap>
#include <QWidget>

// Covers its parent with a picture repeated from the top-left corner, beneath the
// parent's other controls; it follows the parent's size and lets clicks through.
class TTiledWallpaper : public QWidget {
    Q_OBJECT
public:
    TTiledWallpaper(const QPixmap& picture, QWidget* parent);

    const QPixmap& Picture() const { return picture; }
    void SetPicture(const QPixmap& newPicture);

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QPixmap picture;
};
