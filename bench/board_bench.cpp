// Costs of the card table's drawing: the card pictures made for a ratio, one animation
// step of one flying card, and a full repaint of a busy board. Runs on the offscreen
// platform under the manual clock.
#include "Board.h"
#include "CardImages.h"
#include "Clock.h"
#include "GameArea.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// 36 cards laid out like a game in progress: two hands, a table, a deck and a discard,
// on a board of `size`, its table at `scale` (TBoard::FitTable: the game area fitted).
struct BusyBoard {
    explicit BusyBoard(QSize size, qreal scale = 1)
    {
        board = std::make_unique<TBoard>();
        board->resize(size);
        board->SetTableScale(scale);
        board->SetBackType(btHGradient);
        board->SetColor2(QColor(0, 128, 0));
        const int w = board->TableWidth();
        const int h = board->TableHeight();
        cpu = board->NewPile(poLine, 8, 8, 73, 0, 1, 0, 0);
        human = board->NewPile(poLine, 8, h - 104, 73, 0, 1, 0, 0);
        table = board->NewPile(poLine, 8, h - 209, 85, 0, 2, 12, 6);
        deck = board->NewPile(poLine, w - 246, (h - 96) / 2, 2, 2, 4, 0, 0);
        for (TPile* hand : {cpu, human}) {
            hand->SetAutoTight(true);
            hand->SetWidth(w - 16);
        }
        human->SetShowCards(scFace);
        human->SetSort(psTrumpsLast);
        deck->SetShowBottom(true);
        int n = 0;
        for (TCardSuit suit : {Clubs, Diamonds, Hearts, Spades})
            for (TCardValue value : {Ace, Six, Seven, Eight, Nine, Ten, Jack, Queen, King}) {
                TPile* pile = n < 6 ? cpu : n < 12 ? human : n < 16 ? table : deck;
                board->NewCard(pile, value, suit, pile == table);
                ++n;
            }
        board->show();
        QApplication::processEvents();
    }
    std::unique_ptr<TBoard> board;
    TPile* cpu;
    TPile* human;
    TPile* table;
    TPile* deck;
};

// Arguments: the board's width and height, and 1 for a table the board's size or 0 for
// the game area fitted into it.
BusyBoard MadeFor(const benchmark::State& state)
{
    return BusyBoard({int(state.range(0)), int(state.range(1))}, qreal(state.range(2)));
}

void Sizes(benchmark::internal::Benchmark* b)
{
    b->Args({GameAreaWidth, GameAreaHeight, 1})->Args({1920, 1080, 0})->Args({3840, 2160, 0});
}

// The card pictures made for a table's ratio (the argument, in hundredths): at 3 from
// the shipped files; at 5.76, a 4K screen's fitted table, from the set drawn at scale 6.
// That set is drawn once per run, so the first benchmark times the first table alone.
void CardPictures(benchmark::State& state)
{
    const qreal ratio = qreal(state.range(0)) / 100;
    for (auto _ : state)
        benchmark::DoNotOptimize(TCardImages(true, ratio).Ratio());
}
void BM_CardPicturesFirstTable(benchmark::State& state) { CardPictures(state); }
void BM_CardPictures(benchmark::State& state) { CardPictures(state); }
BENCHMARK(BM_CardPicturesFirstTable)
    ->Arg(576)
    ->Iterations(1)
    ->Repetitions(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CardPictures)->Arg(300)->Arg(576)->Unit(benchmark::kMillisecond);

void BM_AnimationStep(benchmark::State& state)
{
    Clock::SetManual(true);
    BusyBoard b = MadeFor(state);
    TCard* card = b.human->TopCard();
    TPile* there = b.table;
    TPile* back = b.human;
    b.board->MoveCard(card, there, 0, false, 250, 0);
    for (auto _ : state) {
        Clock::Advance(5);
        b.board->AnimateCards();
        // Composes and paints the card's old and new rectangles.
        QApplication::processEvents();
        if (b.board->MovingCount() == 0) {
            std::swap(there, back);
            b.board->MoveCard(card, there, 0, false, 250, 0);
        }
    }
    Clock::SetManual(false);
}
BENCHMARK(BM_AnimationStep)->Apply(Sizes)->Unit(benchmark::kMicrosecond);

void BM_FullRepaint(benchmark::State& state)
{
    BusyBoard b = MadeFor(state);
    for (auto _ : state)
        b.board->repaint();
}
BENCHMARK(BM_FullRepaint)->Apply(Sizes)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
