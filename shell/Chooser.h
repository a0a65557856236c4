#pragma once
#include <QFrame>
#include <QPixmap>
#include <array>

class QLabel;
class THotArea;
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

    // The picture and its labels shown `scale` times larger, or, at TBoard::FitTable,
    // as large as fits the panel, centred; the panel's size is its owner's to set.
    void SetTableScale(qreal scale);
    // How much larger than its classic size the picture shows now.
    qreal ShownScale() const;

signals:
    void KindChosen(int kind);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void LayOut();
    void LoadPictures(qreal ratio);

    QLabel* Image1;
    QLabel* Label1;
    std::array<THoverImage*, KindCount> nameLabels{};
    std::array<THotArea*, KindCount> figures{};
    QPixmap picture; // the scene at its shown size
    qreal tableScale = 1;
    qreal picturesRatio = 0; // device pixels per picture pixel the pictures were made for
};
