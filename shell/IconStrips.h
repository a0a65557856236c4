#pragma once
#include <QIcon>
#include <QPixmap>

// The toolbar and menu icons: three strips of five 18 x 18 pictures (normal, disabled,
// hot), indexed by these numbers.
enum TIconIndex { iiPlay, iiExit, iiHint, iiAutoplay, iiRules };

class TIconStrips {
public:
    static constexpr int IconSize = 18;

    TIconStrips();
    // A toolbar icon: lights up while the pointer is over its button.
    QIcon ButtonIcon(TIconIndex index) const;
    // A menu icon: the normal picture, greyed when disabled.
    QIcon MenuIcon(TIconIndex index) const;

private:
    QPixmap Cell(const QPixmap& strip, TIconIndex index) const;
    QIcon Icon(TIconIndex index, const QPixmap& active) const;

    QPixmap normal;
    QPixmap disabled;
    QPixmap hot;
};
