#pragma once
#include <QObject>
#include <QString>
#include <vector>

class QKeyEvent;
class TCard;
class TFocusRing;
class TZelmoGame;

// Play by keys over the one input path: while the game waits for the player, Left and
// Right (and Tab) move a focus ring over the cards a press may pick, Enter or Space
// presses the card as the left button would, Shift+Enter or the Menu key as the right
// one, and Escape is the right press on nothing that ends throwing more. The ring shows
// once a key has been used and hides again at a mouse press, so mouse play looks as it
// always has.
class TKeyboardPlay : public QObject {
    Q_OBJECT
public:
    explicit TKeyboardPlay(TZelmoGame& game);

    // The card a press would pick; none while the game does not wait for the player.
    TCard* Focused() const { return focused; }
    // Whether keys are in use, so that the ring and the card's name show.
    bool KeyMode() const { return keyMode; }
    // The status line while keys are in use: the focused card's name, then the state's text.
    QString StatusLine() const;

signals:
    void FocusChanged(TCard* card);
    void StatusLineChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool KeyPressed(const QKeyEvent& key);
    void InputChanged();
    // Moves the focus by steps through the cards a press may pick, round the ends.
    void Step(int by);
    void Press(int button);
    void SetKeyMode(bool on);
    void SetFocused(TCard* card);
    TCard* FirstChoice(const std::vector<TCard*>& cards) const;
    std::vector<TCard*> Pressable() const;
    void Show();

    TZelmoGame& game;
    TFocusRing* ring;
    TCard* focused = nullptr;
    bool keyMode = false;
    QString shownLine;
};
