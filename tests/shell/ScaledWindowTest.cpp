// The window at the device pixel ratio the process runs at (ctest runs this program
// under QT_SCALE_FACTOR 1, 1.5, 2 and 3): the chooser, a game of each variant played
// by clicks on the cards the hint names, the game-over box. At ratio 1 the board and
// the chooser are held to the pixels they always had; above it a card's corner index
// must be drawn at the ratio, not enlarged.
#include "Artifacts.h"
#include "Chooser.h"
#include "Clock.h"
#include "GameOver.h"
#include "GameOverStep.h"
#include "HoverImage.h"
#include "ProgramGames.h"
#include "Random.h"
#include "UMain.h"
#include "ZelmoGame.h"

#include <QCryptographicHash>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int MovesBeforeShot = 6;

qreal Ratio() { return qApp->devicePixelRatio(); }

QString RatioTag() { return QString::number(Ratio()) + "x"; }

std::string Digest(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < rgb.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4));
    return hash.result().toHex().left(16).toStdString();
}

void PumpWhile(const std::function<bool()>& condition)
{
    for (int i = 0; i < 200000 && condition(); ++i)
        QCoreApplication::processEvents();
}

class ScaledWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::SetManual(true);
        window = std::make_unique<TFMain>(ProgramGames());
        window->SetConfirm([](QWidget*, const QString&) { return true; });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        Clock::SetManual(false);
    }

    TZelmoGame* Game() const { return window->Game(); }

    // Starts a variant from its name label, with the same deal at every ratio.
    void Start(int kind)
    {
        QTest::mouseClick(window->Chooser().NameLabel(kind), Qt::LeftButton);
        SetRandSeed(4242);
        QCoreApplication::processEvents();
        ASSERT_NE(Game(), nullptr);
        WaitForTurn();
    }
    void WaitForTurn()
    {
        PumpWhile([this] { return Game() && (!Game()->Waiting || Game()->Board->MovingCount() > 0); });
    }

    // One move as a player makes it: a click in the middle of the card the hint names,
    // with the button the hint asks for. The press must land on that very card.
    void ClickHintedCard()
    {
        TZelmoGame* game = Game();
        TCard* card = game->HintCard();
        ASSERT_NE(card, nullptr) << "no card to click in state " << game->State;
        const Qt::MouseButton button = game->PickedButton == mbRight ? Qt::RightButton : Qt::LeftButton;
        const QPoint centre(card->X() + CardWidth / 2, card->Y() + CardHeight / 2);
        ASSERT_EQ(game->Board->CardAt(centre.x(), centre.y()), card);
        QTest::mouseClick(game->Board, button, {}, centre);
        EXPECT_EQ(game->PickedCard, card) << "the click did not land on the card under the pointer";
        WaitForTurn();
    }
    // Plays moves while the hint names a card, up to `moves`; how many were played.
    int PlayMoves(int moves)
    {
        int played = 0;
        for (; played < moves && Game() && Game()->HintCard(); ++played)
            ClickHintedCard();
        return played;
    }

    std::unique_ptr<TFMain> window;
};

const char* const KindNames[] = {"mover", "heap", "round"};

// The pictures of the window at ratio 1 before high-DPI drawing existed.
const char* const BoardAtOne[] = {"7b81421580ed1e5f", "e0e4aeab7ace82c5", "95638550a26df016"};
const char* const ChooserAtOne = "ffe7893313cbeafe";

TEST_F(ScaledWindow, ChooserAndEveryVariantMidGame)
{
    const QImage chooser = window->Chooser().grab().toImage();
    SaveArtifact(chooser, QStringLiteral("chooser-%1.png").arg(RatioTag()));
    EXPECT_EQ(chooser.size(), (QSizeF(window->Chooser().size()) * Ratio()).toSize());
    if (Ratio() == 1) {
        EXPECT_EQ(Digest(chooser), ChooserAtOne);
    }
    for (int kind : ProgramGames().Built()) {
        Start(kind);
        EXPECT_GE(PlayMoves(MovesBeforeShot), 3) << KindNames[kind];
        ASSERT_NE(Game(), nullptr);
        const QImage board = Game()->Board->grab().toImage();
        SaveArtifact(window->grab().toImage(), QStringLiteral("%1-%2.png").arg(KindNames[kind], RatioTag()));
        if (Ratio() == 1) {
            EXPECT_EQ(Digest(board), BoardAtOne[kind]) << KindNames[kind];
        }
        ASSERT_TRUE(window->EndCurrentGame());
        PumpWhile([this] { return Game() != nullptr; });
    }
}

} // namespace
