#include "ZelmoGame.h"

#include "BoardAccessible.h"
#include "Clock.h"
#include "KeyboardPlay.h"
#include "Messages.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QVBoxLayout>

TZelmoGame::TZelmoGame(QObject* owner) : owner(owner) {}

TZelmoGame::~TZelmoGame()
{
    // The board goes first, with its piles, cards and pacing thread.
    delete Board;
    Board = nullptr;
}

bool TZelmoGame::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // On the manual clock no pacing thread keeps time, so the pump steps the moves.
    if (Clock::IsManual() && Board) {
        if (Board->AnimationEnabled())
            Board->AnimateCards();
        Board->AnimatePiles();
    }
    const bool stopped = Stopped;
    Clock::Sleep(5);
    return stopped;
}

bool TZelmoGame::AwaitInput()
{
    if (Waiting) {
        Waiting = false;
        pickPosted = false;
        emit InputChanged();
        return true;
    }
    PickedButton = mbMiddle;
    PickedCard = nullptr;
    Waiting = true;
    pickPosted = false;
    if (Autoplay) {
        PickedCard = ChooseCard();
        PostPick();
    }
    emit InputChanged();
    return false;
}

void TZelmoGame::Init(QWidget* parent)
{
    Board = nullptr;
    DispatchDepth = 0;
    Stopped = false;
    Waiting = false;
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    // A main window keeps its toolbar and status bar; the game covers what lies between.
    if (auto* window = qobject_cast<QMainWindow*>(parent); window && window->centralWidget())
        parent = window->centralWidget();
    setParent(parent);
    filled = parent;
    if (filled) {
        filled->installEventFilter(this);
        FillParent();
        raise();
        show();
    }
}

void TZelmoGame::FillParent()
{
    if (filled)
        setGeometry(filled->contentsRect());
}

bool TZelmoGame::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == filled && e->type() == QEvent::Resize)
        FillParent();
    return QFrame::eventFilter(watched, e);
}

TBoard* TZelmoGame::CreateBoard()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Board = new TBoard(this);
    layout->addWidget(Board);
    // Lay the board out now, so ArrangePiles sees its real size before the first show.
    Board->setGeometry(contentsRect());
    InstallBoardAccessibility();
    keys = new TKeyboardPlay(*this);
    SpeakForGame(*this);
    return Board;
}

void TZelmoGame::ListenToBoard(bool on)
{
    if (!Board)
        return;
    if (on)
        Board->OnMouseDown = [this](TBoard& sender, int button, Qt::KeyboardModifiers shift, int x,
                                    int y) { BoardMouseDown(sender, button, shift, x, y); };
    else
        Board->OnMouseDown = nullptr;
}

void TZelmoGame::StopGame()
{
    if (Stopped)
        return;
    if (Board) {
        Board->ClearMovingCards();
        Board->SetAnimationEnabled(false);
    }
    Stopped = true;
    if (Board)
        Board->DestroyAnimateThread();
    emit InputChanged();
}

void TZelmoGame::StartGame() { PostState(stNewGame); }

void TZelmoGame::PostState(int state)
{
    if (!Stopped)
        PostMessage(this, WM_GAMESTATE, state);
}

void TZelmoGame::SetAutoplay(bool on)
{
    Autoplay = on;
    if (on && Waiting && !pickPosted) {
        PickedCard = ChooseCard();
        PostPick();
    }
}

void TZelmoGame::BoardMouseDown(TBoard&, int button, Qt::KeyboardModifiers, int x, int y)
{
    if (Waiting && !pickPosted && Board)
        PressCard(Board->CardAt(x, y), button);
}

void TZelmoGame::PressCard(TCard* card, int button)
{
    if (!Waiting || pickPosted)
        return;
    PickedButton = button;
    if (card && !card->Moving)
        PickedCard = card;
    PostPick();
}

void TZelmoGame::PostPick()
{
    pickPosted = true;
    PostState(stInput);
    emit InputChanged();
}

bool TZelmoGame::event(QEvent* e)
{
    if (static_cast<int>(e->type()) != WM_GAMESTATE)
        return QFrame::event(e);
    // A state posted before the stop finds the game over: nothing runs, nothing is
    // announced again (the stop has been announced by whoever unwound it).
    if (Stopped)
        return true;
    const int state = static_cast<int>(static_cast<TMessage*>(e)->WParam);
    ++DispatchDepth;
    if (OnBeforeState)
        OnBeforeState(*this, state);
    RunState(state);
    if (OnAfterState)
        OnAfterState(*this, state);
    --DispatchDepth;
    if (Stopped && DispatchDepth == 0 && owner)
        PostMessage(owner, WM_GAMEENDED);
    return true;
}
