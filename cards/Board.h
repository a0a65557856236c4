#pragma once
#include "Card.h"
#include "CardImages.h"
#include "Pile.h"
#include "TableGeometry.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class TBoardAnimateThread;

enum TBoardBackType : uint8_t {
    btSolid,
    btHGradient,
    btVGradient,
    btEGradient,
    btRGradient,
    btTile,
    btStretch,
    btPropStretch
};
enum TBoardAnimateType : uint8_t { atUniform, atSlow, atDoubleSlow, atFast, atDoubleFast };

// The card table: owns its cards and piles, keeps ranks and trumps, paints the table
// offscreen (background once, cards composed per repaint) and flies cards and piles.
class TBoard : public QWidget {
    Q_OBJECT
public:
    explicit TBoard(QWidget* parent = nullptr);
    ~TBoard() override;

    // Cards and piles.
    TCard* NewCard(TPile* pile, TCardValue value, TCardSuit suit, bool showCard);
    TPile* NewPile(TPileOrientation orientation, int x, int y, int pileW, int pileH, int allocBy,
                   int allocW, int allocH);
    void DestroyCard(TCard* card);
    void DestroyPile(TPile* pile);
    const std::vector<TCard*>& Cards() const { return cardOrder; }
    int CardCount() const { return static_cast<int>(cardOrder.size()); }
    TCard* Card(int index) const { return cardOrder.at(static_cast<size_t>(index)); }
    const std::vector<TPile*>& Piles() const { return pileOrder; }
    int PileCount() const { return static_cast<int>(pileOrder.size()); }
    TPile* Pile(int index) const { return pileOrder.at(static_cast<size_t>(index)); }
    TCard* CardAt(int px, int py) const;

    // The table's size and scale. By default the table is the widget itself at scale 1;
    // a scale above 0 shows it that much larger, FitTable fits the game area into the
    // widget, centred. Everything but the widget works in table pixels.
    static constexpr qreal FitTable = 0;
    qreal TableScale() const { return tableScale; }
    void SetTableScale(qreal scale);
    // Where the table lies on the widget as it is now.
    TTableGeometry Geometry() const;
    int TableWidth() const { return Geometry().TableSize().width(); }
    int TableHeight() const { return Geometry().TableSize().height(); }

    // Strength.
    bool Beats(const TCard& a, const TCard& b) const;
    bool IsTrump(const TCard& card) const { return card.Suit() == trumps; }
    void SetRanks(const std::array<int, 13>& ranks) { rankTable = ranks; }
    int RankOf(TCardValue value) const { return rankTable[value]; }

    // Properties.
    TCardSuit Trumps() const { return trumps; }
    void SetTrumps(TCardSuit suit);
    bool AutoClearMarks() const { return autoClearMarks; }
    void SetAutoClearMarks(bool on);
    bool DrawControls() const { return drawControls; }
    void SetDrawControls(bool on);
    QColor Color() const { return color1; }
    void SetColor(const QColor& c) { color1 = c; } // shows at the next rebuild
    QColor Color2() const { return color2; }
    void SetColor2(const QColor& c);
    TBoardBackType BackType() const { return backType; }
    void SetBackType(TBoardBackType type);
    TBoardAnimateType AnimateType() const { return animateType; }
    void SetAnimateType(TBoardAnimateType type) { animateType = type; }
    int AutoCardBack() const { return autoCardBack; }
    void SetAutoCardBack(int back);
    bool DrawBackFrame() const { return drawBackFrame; }
    void SetDrawBackFrame(bool on);
    // The picture of the picture backgrounds; assigning it does not rebuild.
    const QImage& Picture() const { return picture; }
    void SetPicture(const QImage& image) { picture = image; }
    // Where a picture that exists at every ratio (a built-in one) comes from: the board
    // takes it at its own ratio whenever that changes, so that a scaled table stays sharp.
    void SetPictureMaker(std::function<QImage(qreal ratio)> maker) { pictureMaker = std::move(maker); }
    // The status line of the game, shown while the pointer is over the board.
    QString Hint() const { return statusTip(); }
    void SetHint(const QString& text);

signals:
    void HintChanged(const QString& text);

public:
    void ApplyCardBack();
    virtual void RebuildBackground();
    virtual void PaintBackground(QImage& target);
    virtual void PaintControls(QImage& target, const QRect& repaint);

    // Animation.
    void MoveCard(TCard* card, TPile* toPile, int index, bool replace, int duration, int delay);
    void MovePile(TPile* pile, int x, int y, int duration, int delay);
    int MovingCount() const { return static_cast<int>(movingCards.size()); }
    const std::vector<TCard*>& MovingCards() const { return movingCards; }
    const std::vector<TPile*>& MovingPiles() const { return movingPiles; }
    void ClearMovingCards();
    void AnimateCards();
    void AnimatePiles();
    bool AnimationEnabled() const { return animationEnabled.load(); }
    void SetAnimationEnabled(bool on);
    // Read by the pacing thread without touching the queues themselves.
    int QueuedCardCount() const { return queuedCards.load(); }
    int QueuedPileCount() const { return queuedPiles.load(); }
    TBoardAnimateThread* AnimateThread() const { return animateThread.get(); }
    // Called on the pacing thread: posts one tick per non-empty queue unless one is
    // still waiting to be handled, so a busy UI thread is not flooded.
    void PostAnimationTicks();
    // Asks the pacing thread to end, waits for it and forgets it.
    void DestroyAnimateThread();

    // Repaint requests go through here, so tests can watch them.
    virtual void InvalidateRect(const QRect& rect);
    const QImage& BackdropImage() const { return backdrop; }
    const QImage& ComposeImage() const { return compose; }
    const TCardImages& CardImages() const { return *images; }
    // Composes the given rectangle into the compose image (what a repaint shows).
    void Compose(const QRect& repaint);

    // The game hooks in here; buttons are 0 left, 1 right, 2 middle.
    std::function<void(TBoard& sender, int button, Qt::KeyboardModifiers shift, int x, int y)>
        OnMouseDown;
    std::function<void(TBoard& sender)> OnResize;
    // Observers of queued moves (the simulator's trace): the card after it has been
    // put into its new pile, with the pile it left; the pile with its target point.
    std::function<void(const TCard& card, const TPile* from)> OnCardMoved;
    std::function<void(const TPile& pile, int x, int y)> OnPileMoved;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    friend class TCard;
    friend class TPile;
    void Rebuild();
    bool HasVisibleControls() const;
    // Composes into `target`, whose pixels lie `shift` device pixels from the board's.
    void ComposeInto(QImage& target, QPoint shift, const QRect& repaint);
    void DrawCards(QImage& target, QPoint shift, const QRect& repaint) const;
    void StepCard(TCard* card, uint32_t now);
    void StepPile(TPile* pile, uint32_t now);
    QPoint PacedPoint(const TMoveRecord& move) const;
    void SyncQueueCounts();
    void EraseMovingCard(TCard* card);
    void ErasePile(TPile* pile);

    std::unique_ptr<TCardImages> images;
    QImage backdrop;
    QImage compose;
    QSize builtSize{-1, -1}; // the table's, when the pictures were last made
    qreal tableScale = 1;
    TTableGeometry geometry; // as the pictures were made
    std::unique_ptr<TBoardAnimateThread> animateThread;
    std::atomic<bool> animationEnabled{true};
    std::atomic<int> queuedCards{0};
    std::atomic<int> queuedPiles{0};
    std::atomic<bool> cardTickPending{false};
    std::atomic<bool> pileTickPending{false};
    int cardTicksSkipped = 0; // pacing thread only
    int pileTicksSkipped = 0;
    std::vector<TCard*> movingCards;
    std::vector<TPile*> movingPiles;
    std::array<int, 13> rankTable{14, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    std::vector<std::unique_ptr<TCard>> ownedCards;
    std::vector<TCard*> cardOrder;
    std::vector<std::unique_ptr<TPile>> ownedPiles;
    std::vector<TPile*> pileOrder;
    TCardSuit trumps = Spades;
    TBoardBackType backType = btSolid;
    QImage picture;
    std::function<QImage(qreal ratio)> pictureMaker;
    QColor color1{Qt::black};
    QColor color2{Qt::black};
    bool autoClearMarks = true;
    bool drawControls = false;
    TBoardAnimateType animateType = atUniform;
    int autoCardBack = -1;
    bool drawBackFrame = false;
};
