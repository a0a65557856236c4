// Every status text of every variant, and the shell's own, shown whole in the main
// window's status bar: shrunk or on two lines, never cut at the window's edge.
#include "Artifacts.h"
#include "ProgramGames.h"
#include "StatusLine.h"
#include "UMain.h"
#include "VariantGame.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList EveryStatusText()
{
    QStringList texts{QStringLiteral("Click a gift from under the Christmas Tree to start playing"),
                      QStringLiteral("Press this button for random play or select game from drop-down menu")};
    QObject owner;
    for (int kind : ProgramGames().Built()) {
        const auto game = ProgramGames().Make(kind, &owner);
        const auto* variant = dynamic_cast<const TVariantGame*>(game.get());
        for (int state = 0; state < 256 && variant; ++state)
            if (const char* text = variant->StatusText(state))
                texts << QString::fromUtf8(text);
    }
    texts.removeDuplicates();
    return texts;
}

// Columns of the bar that carry anything darker than its face.
std::vector<bool> InkedColumns(const QImage& bar)
{
    const QImage rgb = bar.convertToFormat(QImage::Format_RGB32);
    const QRgb face = rgb.pixel(rgb.width() - 1, rgb.height() / 2);
    std::vector<bool> inked(size_t(rgb.width()), false);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (qGray(rgb.pixel(x, y)) + 60 < qGray(face))
                inked[size_t(x)] = true;
    return inked;
}

TEST(StatusLine, EveryStatusTextIsShownWholeInTheMainWindow)
{
    TFMain window(ProgramGames());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* line = qobject_cast<TStatusLine*>(window.statusBar());
    ASSERT_NE(line, nullptr);
    const QRect box = line->MessageRect();
    const qreal ratio = line->devicePixelRatioF();

    const QStringList texts = EveryStatusText();
    ASSERT_GE(texts.size(), 18); // two of the shell, the rest from the variants
    int shrunk = 0;
    for (const QString& text : texts) {
        line->showMessage(text);
        const TStatusFit fit = line->CurrentFit();
        const QFontMetricsF metrics(fit.Font);
        EXPECT_EQ(fit.Lines.join(u' '), text) << "words lost or changed";
        EXPECT_GE(QFontInfo(fit.Font).pixelSize(), TStatusLine::MinimumPixelSize) << text.toStdString();
        EXPECT_LE(fit.Lines.size() * metrics.height(), box.height() + 1) << text.toStdString();
        for (const QString& part : fit.Lines)
            EXPECT_LE(metrics.horizontalAdvance(part), box.width()) << text.toStdString();
        shrunk += fit.Font != line->font();

        // What is painted stays left of the right margin.
        const std::vector<bool> inked = InkedColumns(line->grab().toImage());
        const int margin = int((box.right() + 1) * ratio);
        EXPECT_TRUE(std::find(inked.begin(), inked.end(), true) != inked.end()) << text.toStdString();
        EXPECT_TRUE(std::find(inked.begin() + margin, inked.end(), true) == inked.end())
            << "drawn past the edge: " << text.toStdString();
    }
    const QString longest = *std::max_element(texts.begin(), texts.end(), [](const QString& a, const QString& b) {
        return a.size() < b.size();
    });
    line->showMessage(longest);
    SaveArtifact(line->grab().toImage(), QStringLiteral("status-line-%1x.png").arg(ratio));
    // The long defence lines of Mover and Round need it; the short ones keep the font.
    EXPECT_GT(shrunk, 0);
    EXPECT_LT(shrunk, texts.size());
}

TEST(StatusLine, ATextTooLongForOneLineAtTheMinimumGoesOnTwoBetweenWords)
{
    QFont base(QStringLiteral("DejaVu Sans"));
    base.setPixelSize(12);
    const QString text = QStringLiteral("Click your card to defend, click table card to take, make move "
                                        "with right mouse button to avoid moving table");
    const int wide = int(QFontMetricsF(base).horizontalAdvance(text)) + 1;
    const TStatusFit whole = FitStatusText(text, base, {wide, 19}, 8);
    EXPECT_EQ(whole.Lines, QStringList{text});
    EXPECT_EQ(whole.Font, base);

    const TStatusFit smaller = FitStatusText(text, base, {wide * 5 / 6, 19}, 8);
    EXPECT_EQ(smaller.Lines.size(), 1);
    EXPECT_LT(QFontInfo(smaller.Font).pixelSize(), 12);

    const TStatusFit two = FitStatusText(text, base, {wide / 2, 19}, 8);
    ASSERT_EQ(two.Lines.size(), 2);
    EXPECT_EQ(two.Lines.join(u' '), text);
    EXPECT_FALSE(two.Lines[0].endsWith(u' ') || two.Lines[1].startsWith(u' '));
    const QFontMetricsF metrics(two.Font);
    for (const QString& part : two.Lines)
        EXPECT_LE(metrics.horizontalAdvance(part), wide / 2);
}

} // namespace
