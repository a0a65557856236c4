#include "ContactSheet.h"

#include "Paint.h"

namespace art {

namespace {

constexpr int kSheetWidth = 1100;
constexpr int kGap = 12;
constexpr int kCaption = 16;

} // namespace

QImage contactSheet(const std::vector<Artwork> &all)
{
    // Lay pictures out in rows; a row ends when the next one would not fit.
    std::vector<QPoint> places;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const Artwork &art : all) {
        const QSize s = art.image.size();
        if (x > kGap && x + s.width() > kSheetWidth) {
            x = kGap;
            y += rowHeight + kCaption + kGap;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += std::max(s.width(), 110) + kGap;
        rowHeight = std::max(rowHeight, s.height());
    }
    QImage sheet = canvas({kSheetWidth, y + rowHeight + kCaption + kGap}, QColor(0x80, 0x88, 0x90));
    QPainter p(&sheet);
    p.setFont(font(10, false));
    for (size_t i = 0; i < all.size(); ++i) {
        const QPoint at = places[i];
        p.drawImage(at, all[i].image);
        p.setPen(Qt::white);
        p.drawText(QRect(at.x(), at.y() + all[i].image.height() + 1, 400, kCaption),
                   Qt::AlignLeft | Qt::AlignTop, all[i].path);
    }
    p.end();
    return sheet.convertToFormat(QImage::Format_RGB32);
}

} // namespace art
