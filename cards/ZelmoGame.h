#pragma once
#include "Board.h"

#include <QFrame>
#include <QPointer>
#include <functional>
#include <vector>

class TKeyboardPlay;

// Shared state numbers of every variant.
constexpr int stInput = 94;   // input has arrived: run the current state again
constexpr int stNewGame = 95; // gather, shuffle, choose trumps
constexpr int stDeal = 96;    // deal and decide who starts
constexpr int stHumanWins = 97;
constexpr int stCpuWins = 98;
constexpr int stDraw = 99;

// Mouse buttons as the board reports them.
constexpr int mbLeft = 0;
constexpr int mbRight = 1;
constexpr int mbMiddle = 2; // also "no click yet"

// Who plays the CPU's side, as stored.
constexpr int cpClassic = 0; // the fixed rules, which also give the hint and autoplay
constexpr int cpStrong = 1;  // the search

// The base of every game variant: a panel owning the board that runs one game as a
// state machine over its own message queue. Each step ends by posting the next state
// number; a click (or the computer's pick under autoplay) arrives as state 94.
class TZelmoGame : public QFrame {
    Q_OBJECT
public:
    // owner receives WM_GAMEENDED once the game has stopped and its handlers unwound.
    explicit TZelmoGame(QObject* owner);
    ~TZelmoGame() override;

    // Handles pending messages, reads Stopped, sleeps 5 ms; true when the game stopped.
    // On the manual clock it also runs the board's animation steps.
    virtual bool ProcessMessages();
    // Two-pass input: arms waiting and returns false; after the pick returns true.
    virtual bool AwaitInput();
    virtual void RunState(int state) = 0;
    virtual TCard* ChooseCard() = 0;
    // The card the hint lights up: ChooseCard's choice as the player can see it.
    virtual TCard* HintCard() { return ChooseCard(); }
    // Becomes a child of parent and fills it (in a main window: its central widget).
    // Variants call this first, then build the table.
    virtual void Init(QWidget* parent);
    // Stops moves, posting and the pacing thread; a second call does nothing.
    virtual void StopGame();
    virtual void StartGame();
    virtual void NewGame() = 0;
    virtual void Deal() = 0;
    virtual void ArrangePiles() = 0;

    void PostState(int state);
    void SetAutoplay(bool on);
    void BoardMouseDown(TBoard& sender, int button, Qt::KeyboardModifiers shift, int x, int y);
    // A press on a card (or on nothing) with a button, as a click on it would be: the
    // one way a pick arrives, by mouse or by key. Ignored unless input is armed.
    void PressCard(TCard* card, int button);
    // A pick has been posted and not read yet.
    bool PickPending() const { return pickPosted; }

    // What a key may press while input is armed, in focus order; none by default.
    virtual std::vector<TCard*> PressableCards() const { return {}; }
    // Whether a right press on nothing ends something now (throwing more).
    virtual bool EndsOnRightPress() const { return false; }
    // What the player calls a pile ("your hand"); empty when it has no name.
    virtual QString PileTitle(const TPile&) const { return {}; }
    // Tells the player what just happened (the CPU's moves), for screen readers.
    void Announce(const QString& text) { emit Announced(text); }
    // Puts a text in the status line whatever lies under the pointer, until something
    // else replaces it: why a game ended the way it did.
    void ShowStatus(const QString& text) { emit StatusShown(text); }
    // The keyboard's focus over the board; none before the board exists.
    TKeyboardPlay* Keys() const { return keys; }

    QObject* Owner() const { return owner; }

    // Watches every state step from outside, before and after the variant runs it
    // (the simulator's trace and checks).
    std::function<void(TZelmoGame& game, int state)> OnBeforeState;
    std::function<void(TZelmoGame& game, int state)> OnAfterState;

    bool Stopped = false;
    bool Autoplay = false;
    // Who plays the CPU's side from the next new game on: cpClassic or cpStrong.
    int CpuPlayer = 0;
    TBoard* Board = nullptr;
    int State = 0;
    bool Waiting = false;
    TCard* PickedCard = nullptr;
    int PickedButton = mbMiddle;
    int DispatchDepth = 0;

signals:
    // Input was armed, picked, read or dropped, or the game stopped.
    void InputChanged();
    void Announced(const QString& text);
    void StatusShown(const QString& text);

protected:
    // Creates the board filling the panel; variants call it from Init.
    TBoard* CreateBoard();
    // Routes the board's clicks to BoardMouseDown, or cuts them off.
    void ListenToBoard(bool on);
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void PostPick();
    void FillParent();

    QObject* owner;
    QPointer<QWidget> filled; // the widget the game covers
    TKeyboardPlay* keys = nullptr;
    // One pick per arming: a second click (or autoplay) before the pick has been read
    // would run the state twice.
    bool pickPosted = false;
};
