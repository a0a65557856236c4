// The strong computer player: it plays to win, sees only the human's cards that arrived
// face up, makes a legal, repeatable move when stopped, and leaves the window responsive
// while it thinks.
#include "GameFixture.h"
#include "MoverModel.h"
#include "StrongSearch.h"

#include <QElapsedTimer>
#include <QTimer>

using namespace Model;

namespace {

TCardId Id(const char* name)
{
    return CardOf(int(std::string("CDHS").find(name[1])),
                  int(std::string("6789TJQKA").find(name[0])) + 6);
}

TCardSet Set(std::initializer_list<const char*> names)
{
    TCardSet set = 0;
    for (const char* name : names)
        set |= Bit(Id(name));
    return set;
}

// A Mover position with Spades trumps where the CPU leads, and a deck of ten cards that
// neither hand holds, its bottom a trump.
TMoverModel CpuLeads(TCardSet cpu, TCardSet human)
{
    TMoverModel model;
    model.Trumps = Spades;
    model.State = msCpuAttacks;
    model.Hand[sdCpu] = cpu;
    model.Hand[sdHuman] = human;
    for (TCardId card = CardCount - 1; card >= 0 && model.Deck.size() < 10; --card)
        if (!((cpu | human) & Bit(card)))
            model.Deck.insert(model.Deck.begin(), card);
    return model;
}

// The deck is used up and the human's two cards are known. Against the best defence,
// leading 6D, the classic choice, loses and leading 6H is the only lead that wins (as an
// exhaustive search of this small position shows); the search must find it.
TEST(StrongPlayer, FindsTheOnlyWinningLeadWhereTheClassicRulesLose)
{
    TMoverModel endgame = CpuLeads(Set({"6D", "6H", "7H", "8S"}), Set({"6C", "9H"}));
    endgame.Deck.clear();
    endgame.KnownHuman = endgame.Hand[sdHuman];
    ASSERT_EQ(endgame.ClassicMove().Card, Id("6D"));
    for (uint32_t seed : {1u, 2u, 3u})
        EXPECT_EQ(SearchMove(endgame, {.Simulations = 2000}, seed).Card, Id("6H")) << seed;
}

// A card the human draws from the face-down deck stays unseen; one taken from the table
// is known.
using MoverPosition = TMoverFixture;

TEST_F(MoverPosition, OnlyCardsThatArriveFaceUpAreKnown)
{
    Lay({{"6S", "7S"}, {"AH"}, {{"9C", ""}}});
    game.Board->MoveCard(game.Deck->TopCard(), game.HumanHand, 0, false, 0, 0);
    game.Board->MoveCard(game.Table->Card(0), game.HumanHand, 0, false, 0, 0);
    EXPECT_EQ(game.KnownHuman() & ~Bit(Id("AH")), Bit(Id("9C")));
}

// A stopped search still answers at once with a card of the CPU's own. That a seed
// repeats the strong player's moves is SimTraceTest's, over whole games.
TEST(StrongPlayer, AStopEndsTheSearchWithALegalMove)
{
    const TMoverModel mover = CpuLeads(Set({"6C", "8D", "TH", "AS"}), Set({"9C", "QD", "KH", "7H"}));
    std::stop_source stop;
    stop.request_stop();
    QElapsedTimer timer;
    timer.start();
    const TModelMove move = SearchMove(mover, {.Simulations = 0, .Millis = 10000}, 1, stop.get_token());
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(move.Kind, mkPlay);
    EXPECT_TRUE(mover.Hand[sdCpu] & Bit(move.Card));
}

// A strong game on the real clock, its states run as the game posts them: a timer asks
// for the event loop every 10 ms, and the longest wait between two of its ticks is how
// long the window could not have answered a repaint or a menu.
using StrongPlayerWindow = TMoverFixture;

TEST_F(StrongPlayerWindow, StaysResponsiveWhileItThinks)
{
    game.removeEventFilter(this);
    Clock::SetManual(false);
    SetAnimationTime(10);
    answers.Answer = [](int) { return goClose; };
    game.CpuPlayer = cpStrong;
    game.StrongPlayer().Budget = {.Simulations = 0, .Millis = 200};
    game.SetAutoplay(true);

    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    clock.start();
    ticks.start(10);
    game.StartGame();
    while (!game.Stopped && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    ASSERT_TRUE(game.Stopped) << "the game did not end";
    EXPECT_GT(game.StrongPlayer().Thinking.Moves, 0);
    const double think = game.StrongPlayer().Thinking.LongestMs;
    EXPECT_GT(think, 150);
    // A loop held up by the search waits through a whole think at least; a busy machine
    // delays single ticks, but none by a whole think.
    EXPECT_LT(longest, think) << "the event loop waited " << longest << " ms";
}

} // namespace
