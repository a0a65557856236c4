#pragma once
#include <QDialog>
#include <QUrl>

class QLabel;
class TGradientButton;
class TLinkLabel;
class TTiledWallpaper;

// The home page the about box and the Help menu open, and where feedback goes; both
// are set when the program is built.
QUrl HomePageUrl();
QString FeedbackAddress();
// A new mail to the feedback address with the subject "Christmas Zelmo -- Feedback".
QUrl FeedbackUrl();

// The about box: the program's name and version, the home page and the feedback
// address. Created once at start-up and shown modally when asked for.
class TFAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 516;
    static constexpr int ClientHeight = 309;

    explicit TFAbout(QWidget* parent = nullptr);

    QLabel* imgLogo;
    QWidget* lineVertical;
    QWidget* lineHorizontal;
    QLabel* lblTitle;
    QLabel* lblEdition;
    QLabel* lblVersion;
    QLabel* lblHomepageCaption;
    TLinkLabel* lblHomepage;
    QLabel* lblQuestions;
    QLabel* lblMailCaption;
    TLinkLabel* lblMail;
    QLabel* lblFeedback;
    TGradientButton* btnOK;

private:
    void BuildControls();

    TTiledWallpaper* wallpaper;
};
