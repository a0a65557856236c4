// The window at the device pixel ratio the process runs at (ctest runs this program
// under QT_SCALE_FACTOR 1, 1.5, 2 and 3, the table sizes and high-DPI screens alike):
// the chooser, and each variant after some moves made by clicks on the cards the hint
// names. At ratio 1 the board and the chooser are held to the pixels they always had.
#include "Artifacts.h"
#include "Board.h"
#include "Chooser.h"
#include "ProgramGames.h"
#include "support/ProgramWindow.h"

#include <QCryptographicHash>
#include <QScreen>
#include <QTest>

namespace {

constexpr int MovesBeforeShot = 3;

qreal Ratio() { return qApp->devicePixelRatio(); }

QString RatioTag() { return QString::number(Ratio()) + "x"; }

std::string Digest(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < rgb.height(); ++y)
        hash.addData(
            QByteArrayView(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4));
    return hash.result().toHex().left(16).toStdString();
}

using ScaledWindow = ProgramWindowFixture;

// The pictures of the window at ratio 1 before high-DPI drawing existed.
const char* const BoardAtOne[] = {"85500463a5536fd5", "76bee48117833742", "bfd56b50a77ff76c"};
const char* const ChooserAtOne = "ffe7893313cbeafe";

TEST_F(ScaledWindow, ChooserAndEveryVariantMidGame)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QImage chooser = window->Chooser().grab().toImage();
    SaveArtifact(chooser, QStringLiteral("chooser-%1.png").arg(RatioTag()));
    EXPECT_EQ(chooser.size(), (QSizeF(window->Chooser().size()) * Ratio()).toSize());
    if (Ratio() == 1) {
        EXPECT_EQ(Digest(chooser), ChooserAtOne);
    }
    for (int kind : ProgramGames().Built()) {
        const QString name = TGameKinds::Name(kind).toLower();
        SCOPED_TRACE(name.toStdString());
        ASSERT_NE(StartFromLabel(kind, 4242), nullptr); // the same deal at every ratio
        AwaitTurn();
        for (int move = 0; move < MovesBeforeShot; ++move) {
            ASSERT_NE(window->Game(), nullptr) << "ended after " << move;
            ClickHintedCard();
        }
        ASSERT_NE(window->Game(), nullptr);
        const QImage board = window->Game()->Board->grab().toImage();
        // What the screen holds after the moves' repaints is what a fresh paint shows.
        QCoreApplication::processEvents();
        const QImage fresh = window->grab().toImage();
        // The offscreen screen hands out the top-left part of the window, in device pixels.
        const QImage screen = window->screen()->grabWindow(window->winId()).toImage();
        EXPECT_EQ(screen.convertToFormat(QImage::Format_RGB32),
                  fresh.copy(screen.rect()).convertToFormat(QImage::Format_RGB32));
        SaveArtifact(screen, QStringLiteral("%1-screen-%2.png").arg(name, RatioTag()));
        SaveArtifact(fresh, QStringLiteral("%1-%2.png").arg(name, RatioTag()));
        if (Ratio() == 1) {
            EXPECT_EQ(Digest(board), BoardAtOne[kind]);
        }
        ASSERT_TRUE(window->EndCurrentGame());
        PumpWhile([this] { return window->Game() != nullptr; });
    }
}

} // namespace
