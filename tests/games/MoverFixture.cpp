#include "MoverFixture.h"

#include "AnimationTime.h"
#include "Clock.h"
#include "Messages.h"

#include <QCoreApplication>

// Keeps posted states from running: records and swallows them.
class TMoverFixture::TStateCatcher : public QObject {
public:
    explicit TStateCatcher(TPosted& posted) : posted(posted) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (static_cast<int>(e->type()) != WM_GAMESTATE)
            return false;
        posted.push_back(static_cast<int>(static_cast<TMessage*>(e)->WParam));
        return true;
    }

private:
    TPosted& posted;
};

TMoverFixture::TMoverFixture()
{
    Clock::SetManual(true);
    SetAnimationTime(250);
    game.resize(607, 375);
    game.Init(nullptr);
    Trumps(Spades);
    catcher = new TStateCatcher(posted);
    catcher->setParent(&game);
    game.installEventFilter(catcher);
}

TMoverFixture::~TMoverFixture() { Clock::SetManual(false); }

TCard* TMoverFixture::C(const std::string& name) const
{
    for (TCard* card : game.Board->Cards())
        if (Name(card) == name)
            return card;
    ADD_FAILURE() << "no card " << name;
    return nullptr;
}

std::string TMoverFixture::Name(const TCard* card)
{
    if (!card)
        return "none";
    if (card->Empty())
        return "--";
    return {"A23456789TJQK"[card->Value()], "CDHS"[card->Suit()]};
}

TNames TMoverFixture::Names(const TPile& pile)
{
    TNames names;
    for (const TCard* card : pile.Cards())
        names.push_back(Name(card));
    return names;
}

void TMoverFixture::Lay(const TLayout& layout)
{
    game.Waiting = false; // a new position: nothing is armed
    while (TCard* card = game.Table->TopCard()) {
        if (card->Empty())
            game.Board->DestroyCard(card);
        else
            game.Deck->AddCard(card);
    }
    for (TPile* pile : {game.CpuHand, game.HumanHand, game.Discard})
        while (TCard* card = pile->TopCard())
            game.Deck->AddCard(card);
    for (const char* name : layout.Cpu)
        game.CpuHand->AddCard(C(name));
    for (const char* name : layout.Human)
        game.HumanHand->AddCard(C(name));
    for (const auto& [attack, cover] : layout.Table) {
        game.Table->AddCard(C(attack));
        if (*cover)
            game.Table->AddCard(C(cover));
        else
            game.Board->NewCard(game.Table, Ace, Clubs, false)->SetEmpty(true);
    }
    while (game.Deck->Count() > layout.DeckLeft)
        game.Discard->AddCard(game.Deck->TopCard());
}

TPosted TMoverFixture::Run(int state)
{
    posted.clear();
    game.RunState(state);
    // Let the last moves land, as the next state would before it looks at them.
    while (game.Board->MovingCount() > 0 || !game.Board->MovingPiles().empty())
        game.ProcessMessages();
    QCoreApplication::sendPostedEvents(&game, WM_GAMESTATE);
    return posted;
}

void TMoverFixture::Arm(int state)
{
    ASSERT_EQ(Run(state), TPosted{});
    ASSERT_TRUE(game.Waiting);
}

TPosted TMoverFixture::ClickAt(int x, int y, int button)
{
    EXPECT_TRUE(game.Waiting) << "input is not armed";
    posted.clear();
    game.BoardMouseDown(*game.Board, button, {}, x, y);
    QCoreApplication::sendPostedEvents(&game, WM_GAMESTATE);
    EXPECT_EQ(posted, TPosted{stInput});
    // 94 runs the current state again from its start.
    EXPECT_EQ(Run(stInput), TPosted{game.State});
    return Run(game.State);
}

TPosted TMoverFixture::Click(const TCard* card, int button)
{
    EXPECT_EQ(game.Board->CardAt(card->X() + 2, card->Y() + 2), card) << "card cannot be hit";
    return ClickAt(card->X() + 2, card->Y() + 2, button);
}
