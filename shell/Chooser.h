#pragma once
#include <QFrame>
#include <array>

class QLabel;
class THoverImage;

// The game chooser: the tree with its three figures and a name label per game kind.
// A click on a label or on its figure asks for that kind.
class TChooser : public QFrame {
    Q_OBJECT
public:
    static constexpr int KindCount = 3;

    explicit TChooser(QWidget* parent = nullptr);

    // A kind that cannot be played is shown, but its label and figure do not react.
    void SetKindEnabled(int kind, bool enabled);
    THoverImage* NameLabel(int kind) const { return nameLabels.at(size_t(kind)); }

signals:
    void KindChosen(int kind);

private:
    QLabel* Image1;
    QLabel* Label1;
    std::array<THoverImage*, KindCount> nameLabels{};
};
