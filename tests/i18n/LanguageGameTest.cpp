// A whole game of each variant in German, Russian and French, played through the window:
// every status text and the game-over box come in that language.
#include "Artifacts.h"
#include "GameOver.h"
#include "MainMenu.h"
#include "ProgramGames.h"
#include "Random.h"
#include "Translations.h"
#include "support/ProgramWindow.h"

#include <QAction>
#include <QStatusBar>
#include <QTest>

namespace {

class LanguageGame : public ProgramWindowFixture,
                     public ::testing::WithParamInterface<std::tuple<QString, int>> {};

TEST_P(LanguageGame, StatusTextsAndTheGameOverBoxAreInTheLanguage)
{
    const auto [code, kind] = GetParam();
    TTranslations translations(QStringLiteral(ZELMO_TRANSLATIONS_DIR));
    ASSERT_EQ(translations.Use(code), code);
    NewWindow(); // the fixture's was made in English
    const QString name = code + u'-' + TGameKinds::Name(kind).toLower();
    SetRandSeed(77);
    const TClosingGameOver gameOver(*window, [name] { return name + "-game-over.png"; });
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    TZelmoGame* game = StartGame(kind);
    ASSERT_NE(game, nullptr);
    QStringList shown;
    QObject::connect(game->Board, &TBoard::HintChanged, [&shown](const QString& text) { shown << text; });
    PumpWhile([game] { return !game->Waiting || game->Board->MovingCount() > 0; });
    SaveArtifact(window->grab().toImage(), name + ".png");
    window->Menu().mnuAutoplay->trigger();
    PumpWhile([this] { return window->Game() != nullptr; });

    ASSERT_EQ(gameOver.Shown, 1);
    const QStringList results{TFGameOver::ResultText(0), TFGameOver::ResultText(1),
                              TFGameOver::ResultText(2)};
    EXPECT_TRUE(results.contains(gameOver.Result)) << gameOver.Result.toStdString();
    EXPECT_NE(TFGameOver::ResultText(1), QStringLiteral("You win"));
    const QStringList english = VariantStatusTexts();
    EXPECT_FALSE(shown.isEmpty());
    for (const QString& text : shown)
        EXPECT_FALSE(english.contains(text)) << "English in " << code.toStdString() << ": "
                                             << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(GermanRussianFrench, LanguageGame,
                         ::testing::Combine(::testing::Values("de", "ru", "fr"),
                                            ::testing::ValuesIn(ProgramGames().Built())),
                         [](const auto& info) {
                             return std::get<0>(info.param).toStdString() +
                                    TGameKinds::Name(std::get<1>(info.param)).toStdString();
                         });

} // namespace
