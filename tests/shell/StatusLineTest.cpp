// Every status text of every variant, and the shell's own, shown whole in the main
// window's status bar: shrunk or on two lines, never wider or taller than the bar.
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

} // namespace
