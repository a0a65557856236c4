#include "CardSet.h"

#include "ArtSink.h"
#include "Backs.h"
#include "CardOutline.h"
#include "Faces.h"

namespace art {

void writeCards(ArtSink &sink)
{
    static const char *suitNames[] = {"CLUBS", "DIAMONDS", "HEARTS", "SPADES"};
    for (Suit suit : kSuits)
        sink.add(QStringLiteral("cards/%1.png").arg(QLatin1String(suitNames[int(suit)])),
                 faceStrip(suit));
    sink.add(QStringLiteral("cards/CARDBACK.png"), backStrip());
    sink.add(QStringLiteral("cards/CARDMASK.png"), cardMask());
    sink.add(QStringLiteral("cards/CARDFRAME.png"), cardFrame());
    sink.add(QStringLiteral("cards/CARDMARK.png"), cardMark());
}

} // namespace art
