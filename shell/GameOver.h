#pragma once
#include "GameOverQuestion.h"

#include <QDialog>

class QFrame;
class QLabel;
class TGradientButton;
class TTiledWallpaper;

// The game-over box: a picture, a remark in quotes, the result in large letters and
// "Play again!" / "Close". Created once and reused for every game.
class TFGameOver : public QDialog, public TGameOverQuestion {
    Q_OBJECT
public:
    explicit TFGameOver(QWidget* parent = nullptr);

    // Modal; goPlayAgain for "Play again!", goClose for "Close" or the close box.
    int ShowResult(int result) override;

    // Shows a remark, smaller when it would not fit the box otherwise.
    void SetSlogan(const QString& text);
    // The resource name of the picture shown last, e.g. "WIN3".
    QString PictureName() const { return pictureName; }
    static QString ResultText(int result);
    static QString Slogan(int result, int n);
    static QString PicturePrefix(int result);

    QLabel* lblSlogan;
    QFrame* Panel1;
    QLabel* Image1;
    QLabel* lblResult;
    TGradientButton* btnAgain;
    TGradientButton* btnMenu;

private:
    // Modal results of the two buttons.
    static constexpr int mrOk = 1;
    static constexpr int mrCancel = 2;

    void BuildControls();

    TTiledWallpaper* wallpaper;
    TGameOverPictureChoice pictures;
    QString pictureName;
};
