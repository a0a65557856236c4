// Every status text of every variant, and the shell's own, in English and in every
// language, shown whole in the main window's status bar: shrunk or on two lines, never
// wider or taller than the bar.
#include "StatusLine.h"
#include "Artifacts.h"
#include "ProgramGames.h"
#include "Translations.h"
#include "UMain.h"
#include "VariantGame.h"
#include "support/ProgramWindow.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// English, then every language.
class StatusLine : public ::testing::TestWithParam<QString> {
protected:
    void SetUp() override { ASSERT_EQ(translations.Use(GetParam()), GetParam()); }
    TTranslations translations{QStringLiteral(ZELMO_TRANSLATIONS_DIR)};
};

TEST_P(StatusLine, EveryStatusTextIsShownWholeInTheMainWindow)
{
    TFMain window(ProgramGames());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* line = qobject_cast<TStatusLine*>(window.statusBar());
    ASSERT_NE(line, nullptr);
    const QRect box = line->MessageRect();
    // Two of the shell, the rest from the variants, in the language installed now.
    QStringList texts{QCoreApplication::translate(
                          "TFMain", "Click a gift from under the Christmas Tree to start playing"),
                      QCoreApplication::translate(
                          "TMainToolBar",
                          "Press this button for random play or select game from drop-down menu")};
    for (const QString& text : VariantStatusTexts())
        texts << TVariantGame::tr(text.toUtf8().constData());
    texts.removeDuplicates();
    ASSERT_GE(texts.size(), 16) << "a few translate alike";
    int shrunk = 0;
    QString longest;
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        line->showMessage(text);
        const TStatusFit fit = line->CurrentFit();
        const QFontMetricsF metrics(fit.Font);
        EXPECT_EQ(fit.Lines.join(u' '), text) << "words lost or changed";
        EXPECT_GE(QFontInfo(fit.Font).pixelSize(), TStatusLine::MinimumPixelSize);
        EXPECT_LE(fit.Lines.size() * metrics.height(), box.height() + 1);
        for (const QString& part : fit.Lines)
            EXPECT_LE(metrics.horizontalAdvance(part), box.width());
        shrunk += fit.Font != line->font();
        if (text.size() > longest.size())
            longest = text;
    }
    line->showMessage(longest);
    const QString name = QStringLiteral("status-line-%1-%2x.png")
                             .arg(GetParam().isEmpty() ? QStringLiteral("en") : GetParam())
                             .arg(line->devicePixelRatioF());
    SaveArtifact(line->grab().toImage(), name);
    // The long defence lines of Mover and Round need it; the short ones keep the font.
    EXPECT_LT(shrunk, texts.size());
    if (GetParam().isEmpty()) {
        EXPECT_GT(shrunk, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(EnglishAndEveryLanguage, StatusLine,
                         ::testing::ValuesIn((QStringLiteral(" ") + ZELMO_LANGUAGES).split(u' ')),
                         [](const auto& info) {
                             return info.param.isEmpty() ? std::string("en")
                                                         : info.param.toStdString();
                         });

} // namespace
