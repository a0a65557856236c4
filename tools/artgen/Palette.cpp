#include "Palette.h"

#include <QHash>
#include <algorithm>
#include <array>

namespace art {

namespace {

struct ColourCount {
    QRgb colour;
    int count;
};

using Box = std::vector<ColourCount>;

int channel(QRgb c, int ch)
{
    return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c);
}

// The channel with the widest spread and how wide it is.
std::pair<int, int> widestChannel(const Box &box)
{
    int best = 0, bestRange = -1;
    for (int ch = 0; ch < 3; ++ch) {
        int lo = 255, hi = 0;
        for (const auto &cc : box) {
            lo = std::min(lo, channel(cc.colour, ch));
            hi = std::max(hi, channel(cc.colour, ch));
        }
        if (hi - lo > bestRange) {
            bestRange = hi - lo;
            best = ch;
        }
    }
    return {best, bestRange};
}

// Weighted mean keeps the dominant flat colours exact.
QRgb average(const Box &box)
{
    qint64 r = 0, g = 0, b = 0, n = 0;
    for (const auto &cc : box) {
        r += qint64(qRed(cc.colour)) * cc.count;
        g += qint64(qGreen(cc.colour)) * cc.count;
        b += qint64(qBlue(cc.colour)) * cc.count;
        n += cc.count;
    }
    return qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
}

Box histogram(const QImage &rgb)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x] | 0xFF000000u];
    }
    Box all;
    all.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        all.push_back({it.key(), it.value()});
    // Hash order is not stable between runs; sorting makes the result so.
    std::sort(all.begin(), all.end(),
              [](const ColourCount &a, const ColourCount &b) { return a.colour < b.colour; });
    return all;
}

// Splits the box whose colours spread most (weighted by pixels) until enough.
std::vector<Box> medianCut(Box all, int maxColours)
{
    std::vector<Box> boxes{std::move(all)};
    while (int(boxes.size()) < maxColours) {
        int pick = -1;
        qint64 pickScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].size() < 2)
                continue;
            qint64 pixels = 0;
            for (const auto &cc : boxes[i])
                pixels += cc.count;
            const qint64 score = qint64(widestChannel(boxes[i]).second) * pixels;
            if (score > pickScore) {
                pickScore = score;
                pick = i;
            }
        }
        if (pick < 0)
            break;
        Box &box = boxes[pick];
        const int ch = widestChannel(box).first;
        std::sort(box.begin(), box.end(), [ch](const ColourCount &a, const ColourCount &b) {
            const int ca = channel(a.colour, ch), cb = channel(b.colour, ch);
            return ca != cb ? ca < cb : a.colour < b.colour;
        });
        qint64 total = 0, half = 0;
        for (const auto &cc : box)
            total += cc.count;
        size_t cut = 1;
        for (; cut < box.size() - 1; ++cut) {
            half += box[cut - 1].count;
            if (half * 2 >= total)
                break;
        }
        Box upper(box.begin() + long(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    return boxes;
}

int nearest(const QList<QRgb> &palette, QRgb c)
{
    int best = 0;
    int bestDist = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(c) - qRed(palette[i]);
        const int dg = qGreen(c) - qGreen(palette[i]);
        const int db = qBlue(c) - qBlue(palette[i]);
        // Green counts most to the eye; keeps greys and skin tones honest.
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}

} // namespace

QImage quantise(const QImage &source, int maxColours)
{
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> palette;
    for (const Box &box : medianCut(histogram(rgb), maxColours))
        palette.push_back(average(box));
    std::sort(palette.begin(), palette.end());
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());

    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    QHash<QRgb, int> cache;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *line = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = in[x] | 0xFF000000u;
            auto it = cache.constFind(c);
            if (it == cache.cend())
                it = cache.insert(c, nearest(palette, c));
            line[x] = uchar(it.value());
        }
    }
    return out;
}

QImage monoInside(QSize size, int scale, const QPainterPath &shape)
{
    QImage img(size * scale, QImage::Format_Mono);
    img.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    img.fill(0);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (shape.contains(QPointF(x + 0.5, y + 0.5) / scale))
                img.setPixel(x, y, 1);
    return img;
}

} // namespace art
