#pragma once

#include <QColor>
#include <QPainter>

// The computer player's face: a round head in a red Christmas cap whose
// expression changes with the game's outcome.
namespace art::character {

enum class Eyes { Open, Happy, Wink, Spiral, LookUp, Narrow };
enum class Mouth { Grin, Smile, Frown, Flat, Oops, Wavy, Smirk };
enum class Brows { None, Raised, Angry, Worried };

struct Expression {
    Eyes eyes = Eyes::Open;
    Mouth mouth = Mouth::Smile;
    Brows brows = Brows::None;
    QColor skin = QColor(0xfb, 0xd5, 0xb5);
    bool sweat = false;
};

// Head of radius r centred at `centre`; the cap rises above it by about r.
void drawFace(QPainter &p, QPointF centre, qreal r, const Expression &e);

} // namespace art::character
