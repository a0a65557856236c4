// The strong computer player: plainly right moves, what it may know of the human's hand,
// and a window that stays responsive while it thinks.
#include "HeapModel.h"
#include "MoverFixture.h"
#include "MoverModel.h"
#include "RoundModel.h"
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

// A position with Spades trumps: the hands, and a deck of deckCount cards that neither
// hand nor the table holds, its bottom a trump.
template <class TModel>
TModel Position(int state, TCardSet cpu, TCardSet human, TCardSet table, int deckCount)
{
    TModel model;
    model.Trumps = Spades;
    model.State = state;
    model.Hand[sdCpu] = cpu;
    model.Hand[sdHuman] = human;
    for (TCardId card = CardCount - 1; card >= 0 && int(model.Deck.size()) < deckCount; --card)
        if (!((cpu | human | table) & Bit(card)))
            model.Deck.insert(model.Deck.begin(), card);
    return model;
}

TModelMove Strong(const TRulesModel& position, uint32_t seed = 1)
{
    return SearchMove(position, {.Simulations = 2000}, seed);
}

TEST(StrongPlayer, CoversWithAPlainCardRatherThanATrump)
{
    auto mover = Position<TMoverModel>(msCpuDefends, Set({"8H", "AS", "9C", "TD", "QC", "KD"}),
                                       Set({"6C", "7C", "8D", "JC", "QD"}), Set({"7H"}), 18);
    mover.Table.Pairs = {{Id("7H"), NoCard}};
    EXPECT_EQ(Strong(mover), (TModelMove{mkPlay, Id("8H")}));

    auto heap = Position<THeapModel>(msCpuDefends, Set({"8H", "AS", "9C", "TD", "QC"}),
                                     Set({"6C", "7C", "8D", "JC"}), Set({"7H"}), 18);
    heap.Heap = {Id("7H")};
    EXPECT_EQ(Strong(heap), (TModelMove{mkPlay, Id("8H")}));
}

// Every card is known in Round's attack phase. Leading the Six of Hearts lets the human
// cover and lead the Six of Diamonds, after which the best the CPU can do is a draw;
// leading the Ace of trumps wins whatever the human does.
TEST(StrongPlayer, FindsAForcedWinInRoundsAttackPhase)
{
    auto round = Position<TRoundModel>(msCpuAttacks, Set({"6H", "AS"}), Set({"7H", "6D"}), 0, 0);
    round.KnownHuman = round.Hand[sdHuman];
    round.Discard = ~(round.Hand[sdCpu] | round.Hand[sdHuman]) & ((TCardSet(1) << CardCount) - 1);
    for (uint32_t seed : {1u, 2u, 3u})
        EXPECT_EQ(Strong(round, seed), (TModelMove{mkPlay, Id("AS")})) << "seed " << seed;
}

TEST(StrongPlayer, AStopEndsTheSearchWithALegalMove)
{
    const auto mover = Position<TMoverModel>(msCpuAttacks, Set({"6C", "8D", "TH", "AS"}),
                                             Set({"9C", "QD", "KH", "7H"}), 0, 10);
    std::stop_source stop;
    stop.request_stop();
    QElapsedTimer timer;
    timer.start();
    const TModelMove move = SearchMove(mover, {.Simulations = 0, .Millis = 10000}, 1, stop.get_token());
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(move.Kind, mkPlay);
    EXPECT_TRUE(mover.Hand[sdCpu] & Bit(move.Card));
}

using StrongPlayerSeat = TMoverFixture;

// The position the search receives deals the cards the CPU has not seen in a fixed order:
// swapping the human's hidden cards for others it could not see changes nothing, while
// the cards it saw the human take stay where they are.
TEST_F(StrongPlayerSeat, SeesNothingOfTheHumansHiddenCards)
{
    Lay({{"6C", "9D", "TC"}, {"7S", "8C", "QD"}, {{"7D", ""}}, 12});
    // The human takes the Seven of Diamonds in view of the CPU.
    Arm(stMoverHumanDefends);
    ASSERT_EQ(Click(C("7D")), TPosted{stMoverCpuAttacks});
    ASSERT_EQ(game.KnownHuman(), Set({"7D"}));

    game.State = stMoverCpuAttacks;
    const std::unique_ptr<TRulesModel> before = game.Position();
    // A hidden card of the hand and one of the deck (not its face-up bottom) change places.
    const int handIndex = game.HumanHand->IndexOf(C("QD"));
    TCard* hidden = game.HumanHand->RemoveCard(handIndex);
    TCard* unseen = game.Deck->RemoveCard(5);
    game.HumanHand->InsertCard(handIndex, unseen);
    game.Deck->InsertCard(5, hidden);
    const std::unique_ptr<TRulesModel> after = game.Position();

    EXPECT_EQ(after->Hand[sdHuman], before->Hand[sdHuman]);
    EXPECT_EQ(after->Deck, before->Deck);
    EXPECT_TRUE(after->Hand[sdHuman] & Bit(Id("7D")));
    for (uint32_t seed = 1; seed <= 5; ++seed)
        EXPECT_EQ(SearchMove(*after, {.Simulations = 300}, seed),
                  SearchMove(*before, {.Simulations = 300}, seed))
            << "seed " << seed;
}

// A strong game on the real clock: a timer asks for the event loop every 10 ms, and the
// longest wait between two of its ticks is how long the window could not have answered
// a repaint or a menu.
TEST(StrongPlayerWindow, StaysResponsiveWhileItThinks)
{
    QObject owner;
    TMover game(&owner);
    game.resize(GameAreaWidth, GameAreaHeight);
    game.Init(nullptr);
    TScriptedGameOver answers;
    answers.Answer = [](int) { return goClose; };
    TGameOverQuestionScope answering(&answers);
    Clock::SetManual(false);
    SetAnimationTime(10);
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
    // A loop held up by the search would wait through a whole think at least; a busy
    // machine stretches both figures alike.
    EXPECT_LT(longest, 0.75 * think) << "the event loop waited " << longest << " ms";
    std::printf("strong Mover game: %ld CPU moves, longest think %.0f ms, longest gap "
                "between timer ticks %lld ms\n",
                game.StrongPlayer().Thinking.Moves, game.StrongPlayer().Thinking.LongestMs,
                static_cast<long long>(longest));
}

} // namespace
