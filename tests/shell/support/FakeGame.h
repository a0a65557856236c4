#pragma once
#include "GameKinds.h"
#include "ZelmoGame.h"

#include <functional>
#include <vector>

// What the fake games of one test did, kept outside them since the window frees them.
struct TFakeGameLog {
    int made = 0;
    int freed = 0;
    std::vector<int> kinds;  // kind of every game made, in order
    std::vector<int> states; // every state run, all games
    int chooseCalls = 0;
    int stopCalls = 0;
    int arrangeCalls = 0;
    // Ticks and highlight of the suggested card at each paint of a board.
    std::vector<std::pair<uint32_t, bool>> paints;
};

// A board that notes when it is painted and whether the suggested card was lit then.
class TRecordingBoard : public TBoard {
public:
    TRecordingBoard(QWidget* parent, TFakeGameLog& log) : TBoard(parent), log(log) {}
    TCard* Watched = nullptr;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TFakeGameLog& log;
};

// A game without rules: it runs whatever state is posted, can park itself in a nested
// message loop as a real state waiting for a card move does, and ends like a variant
// when a game-over state is posted.
class TFakeGame : public TZelmoGame {
public:
    TFakeGame(QObject* owner, TFakeGameLog& log, int kind);
    ~TFakeGame() override;

    void Init(QWidget* parent) override;
    void RunState(int state) override;
    TCard* ChooseCard() override;
    void StopGame() override;
    void NewGame() override {}
    void Deal() override {}
    void ArrangePiles() override { ++log.arrangeCalls; }

    // Posting this state parks its handler in a pumping loop until the game stops;
    // WhileSuspended runs once inside that loop.
    int SuspendIn = -1;
    std::function<void()> WhileSuspended;
    // What ChooseCard answers.
    TCard* Suggestion = nullptr;
    TCard* OnlyCard = nullptr;

private:
    void Suspend();
    void GameOver(int result);

    TFakeGameLog& log;
};

// Kinds whose makers build fake games; lastMade follows the newest one.
TGameKinds FakeKinds(TFakeGameLog& log, TFakeGame*& lastMade, std::vector<int> built = {0, 1, 2});
