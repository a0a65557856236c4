#include "MoverFixture.h"

#include "AnimationTime.h"
#include "Clock.h"
#include "Messages.h"

#include <QCoreApplication>
#include <cstring>

// Keeps posted states from running: records and swallows them.
class TMoverFixture::TStateCatcher : public QObject {
public:
    explicit TStateCatcher(std::vector<int>& posted) : posted(posted) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (static_cast<int>(e->type()) != WM_GAMESTATE)
            return false;
        posted.push_back(static_cast<int>(static_cast<TMessage*>(e)->WParam));
        return true;
    }

private:
    std::vector<int>& posted;
};

TMoverFixture::TMoverFixture()
{
    Clock::SetManual(true);
    SetAnimationTime(250);
    game.resize(607, 375);
    game.Init(nullptr);
    catcher = new TStateCatcher(posted);
    catcher->setParent(&game);
    game.installEventFilter(catcher);
}

TMoverFixture::~TMoverFixture() { Clock::SetManual(false); }

TCard* TMoverFixture::C(const std::string& name) const
{
    static const char values[] = "A23456789TJQK";
    static const char suits[] = "CDHS";
    const auto value = static_cast<TCardValue>(std::strchr(values, name.at(0)) - values);
    const auto suit = static_cast<TCardSuit>(std::strchr(suits, name.at(1)) - suits);
    for (TCard* card : game.Board->Cards())
        if (!card->Empty() && card->Value() == value && card->Suit() == suit)
            return card;
    ADD_FAILURE() << "no card " << name;
    return nullptr;
}

std::vector<TCard*> TMoverFixture::Cs(std::initializer_list<const char*> names) const
{
    std::vector<TCard*> cards;
    for (const char* name : names)
        cards.push_back(C(name));
    return cards;
}

std::string TMoverFixture::Name(const TCard* card)
{
    if (!card)
        return "none";
    if (card->Empty())
        return "--";
    return {"A23456789TJQK"[card->Value()], "CDHS"[card->Suit()]};
}

std::vector<std::string> TMoverFixture::Names(const TPile& pile)
{
    std::vector<std::string> names;
    for (const TCard* card : pile.Cards())
        names.push_back(Name(card));
    return names;
}

void TMoverFixture::Lay(std::initializer_list<const char*> cpu,
                        std::initializer_list<const char*> human, int deckLeft)
{
    TBoard& board = *game.Board;
    while (TCard* card = game.Table->TopCard()) {
        if (card->Empty())
            board.DestroyCard(card);
        else
            game.Deck->AddCard(card);
    }
    for (TPile* pile : {game.CpuHand, game.HumanHand, game.Discard})
        while (TCard* card = pile->TopCard())
            game.Deck->AddCard(card);
    for (const char* name : cpu)
        game.CpuHand->AddCard(C(name));
    for (const char* name : human)
        game.HumanHand->AddCard(C(name));
    while (game.Deck->Count() > deckLeft)
        game.Discard->AddCard(game.Deck->TopCard());
}

void TMoverFixture::TableUp(std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    const int deckSize = game.Deck->Count();
    for (const auto& [attack, cover] : pairs) {
        game.Table->AddCard(C(attack));
        if (cover && *cover)
            game.Table->AddCard(C(cover));
        else
            game.Board->NewCard(game.Table, Ace, Clubs, false)->SetEmpty(true);
    }
    // Table cards taken from the deck are made up from the discard pile.
    while (game.Deck->Count() < deckSize && game.Discard->Count() > 0)
        game.Deck->AddCard(game.Discard->TopCard());
}

std::vector<int> TMoverFixture::Run(int state)
{
    posted.clear();
    game.RunState(state);
    // Let the last moves land, as the next state would before it looks at them.
    while (game.Board->MovingCount() > 0 || !game.Board->MovingPiles().empty())
        game.ProcessMessages();
    QCoreApplication::sendPostedEvents(&game, WM_GAMESTATE);
    return posted;
}

std::vector<int> TMoverFixture::ClickAt(int x, int y, int button)
{
    EXPECT_TRUE(game.Waiting) << "input is not armed";
    posted.clear();
    game.BoardMouseDown(*game.Board, button, {}, x, y);
    QCoreApplication::sendPostedEvents(&game, WM_GAMESTATE);
    EXPECT_EQ(posted, std::vector<int>{stInput});
    // 94 runs the current state again from its start.
    EXPECT_EQ(Run(stInput), std::vector<int>{game.State});
    return Run(game.State);
}

std::vector<int> TMoverFixture::Click(const TCard* card, int button)
{
    EXPECT_EQ(game.Board->CardAt(card->X() + 2, card->Y() + 2), card) << "card cannot be hit";
    return ClickAt(card->X() + 2, card->Y() + 2, button);
}
