#pragma once
#include "Artifacts.h"

#include <QImage>

// Pictures of a game for a person to look at (saved with the build's artifacts), on a
// plain felt so that a check can tell a drawn card from the table.
template <class TFixture> class TShotFixture : public TFixture {
protected:
    TShotFixture()
    {
        this->game.Board->SetColor(Felt);
        this->game.Board->RebuildBackground();
    }
    QImage Shot(const QString& name)
    {
        const QImage image = this->game.grab().toImage();
        SaveArtifact(image, name);
        return image;
    }
    // True when the picture shows something other than the felt at the card's middle.
    static bool Shows(const QImage& image, const TCard* card)
    {
        return image.pixelColor(card->X() + 35, card->Y() + 48) != Felt;
    }

    static inline const QColor Felt{0, 96, 48};
};
