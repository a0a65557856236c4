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

// A deck of count cards that none of the given sets holds, its bottom a trump.
std::vector<TCardId> DeckWithout(TCardSet taken, int count)
{
    std::vector<TCardId> deck;
    for (TCardId card = CardCount - 1; card >= 0 && int(deck.size()) < count; --card)
        if (!(taken & Bit(card)))
            deck.insert(deck.begin(), card);
    return deck;
}

TModelMove Strong(const TRulesModel& position, uint32_t seed = 1)
{
    return SearchMove(position, {.Simulations = 2000}, seed);
}

TEST(StrongPlayer, CoversWithAPlainCardRatherThanATrump)
{
    TMoverModel mover;
    mover.Trumps = Spades;
    mover.State = msCpuDefends;
    mover.Hand[sdCpu] = Set({"8H", "AS", "9C", "TD", "QC", "KD"});
    mover.Hand[sdHuman] = Set({"6C", "7C", "8D", "JC", "QD"});
    mover.Table.Pairs = {{Id("7H"), NoCard}};
    mover.Deck = DeckWithout(mover.Hand[sdCpu] | mover.Hand[sdHuman] | Set({"7H"}), 18);
    EXPECT_EQ(Strong(mover), (TModelMove{mkPlay, Id("8H")}));

    THeapModel heap;
    heap.Trumps = Spades;
    heap.State = msCpuDefends;
    heap.Hand[sdCpu] = Set({"8H", "AS", "9C", "TD", "QC"});
    heap.Hand[sdHuman] = Set({"6C", "7C", "8D", "JC"});
    heap.Heap = {Id("7H")};
    heap.Deck = DeckWithout(heap.Hand[sdCpu] | heap.Hand[sdHuman] | Set({"7H"}), 18);
    EXPECT_EQ(Strong(heap), (TModelMove{mkPlay, Id("8H")}));
}

TEST(StrongPlayer, KeepsItsLastTrumpWhileTheDeckLasts)
{
    TMoverModel mover;
    mover.Trumps = Spades;
    mover.State = msCpuAttacks;
    mover.Hand[sdCpu] = Set({"6C", "8D", "TH", "AS", "JC", "7D"});
    mover.Hand[sdHuman] = Set({"9C", "QD", "KH", "7H", "8C", "9D"});
    mover.Deck = DeckWithout(mover.Hand[sdCpu] | mover.Hand[sdHuman], 20);
    const TModelMove lead = Strong(mover);
    EXPECT_EQ(lead.Kind, mkPlay);
    EXPECT_NE(lead.Card, Id("AS"));
}

// Every card is known in Round's attack phase. Leading the Six of Hearts lets the human
// cover and lead the Six of Diamonds, after which the best the CPU can do is a draw;
// leading the Ace of trumps wins whatever the human does.
TEST(StrongPlayer, FindsAForcedWinInRoundsAttackPhase)
{
    TRoundModel round;
    round.Trumps = Spades;
    round.State = msCpuAttacks;
    round.Hand[sdCpu] = Set({"6H", "AS"});
    round.Hand[sdHuman] = Set({"7H", "6D"});
    round.KnownHuman = round.Hand[sdHuman];
    round.Discard = ~(round.Hand[sdCpu] | round.Hand[sdHuman]) & ((TCardSet(1) << CardCount) - 1);
    for (uint32_t seed : {1u, 2u, 3u})
        EXPECT_EQ(Strong(round, seed), (TModelMove{mkPlay, Id("AS")})) << "seed " << seed;
}

TEST(StrongPlayer, AStopEndsTheSearchWithALegalMove)
{
    TMoverModel mover;
    mover.Trumps = Spades;
    mover.State = msCpuAttacks;
    mover.Hand[sdCpu] = Set({"6C", "8D", "TH", "AS"});
    mover.Hand[sdHuman] = Set({"9C", "QD", "KH", "7H"});
    mover.Deck = DeckWithout(mover.Hand[sdCpu] | mover.Hand[sdHuman], 10);
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
