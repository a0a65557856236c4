#include "FakeGame.h"

#include "Clock.h"
#include "GameOverQuestion.h"

#include <QVBoxLayout>

void TRecordingBoard::paintEvent(QPaintEvent* e)
{
    log.paints.emplace_back(Clock::TickCount(), Watched && Watched->SelectedCard());
    TBoard::paintEvent(e);
}

TFakeGame::TFakeGame(QObject* owner, TFakeGameLog& gameLog, int kind)
    : TZelmoGame(owner), log(gameLog)
{
    ++log.made;
    log.kinds.push_back(kind);
}

TFakeGame::~TFakeGame()
{
    ++log.freed;
}

void TFakeGame::Init(QWidget* parent)
{
    TZelmoGame::Init(parent);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* board = new TRecordingBoard(this, log);
    layout->addWidget(board);
    Board = board;
    TPile* hand = Board->NewPile(poLine, 8, 8, 73, 0, 1, 0, 0);
    OnlyCard = Board->NewCard(hand, Ace, Spades, true);
    board->Watched = OnlyCard;
}

void TFakeGame::RunState(int state)
{
    if (Stopped) return;
    log.states.push_back(state);
    State = state;
    if (state == SuspendIn)
        Suspend();
    else if (state == stHumanWins)
        GameOver(grHumanWins);
}

void TFakeGame::Suspend()
{
    if (WhileSuspended) std::exchange(WhileSuspended, nullptr)();
    while (!ProcessMessages()) {
    }
}

void TFakeGame::GameOver(int result)
{
    if (CurrentGameOverQuestion()->ShowResult(result) == goPlayAgain)
        PostState(stNewGame);
    else
        StopGame();
}

TCard* TFakeGame::ChooseCard()
{
    ++log.chooseCalls;
    return Suggestion;
}

void TFakeGame::StopGame()
{
    ++log.stopCalls;
    TZelmoGame::StopGame();
}

TGameKinds FakeKinds(TFakeGameLog& log, TFakeGame*& lastMade, std::vector<int> built)
{
    std::array<TGameMaker, TGameKinds::Count> makers{};
    for (int kind : built)
        makers[size_t(kind)] = [&log, &lastMade, kind](QObject* owner) {
            auto game = std::make_unique<TFakeGame>(owner, log, kind);
            lastMade = game.get();
            return std::unique_ptr<TZelmoGame>(std::move(game));
        };
    return TGameKinds(std::move(makers));
}
