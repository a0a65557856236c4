#include "PackageTexts.h"

#include <QtGlobal>

const std::array<TPackageText, 10> PackageTexts{{
    {"Name", QT_TRANSLATE_NOOP("Package", "Christmas Zelmo")},
    {"GenericName", QT_TRANSLATE_NOOP("Package", "Card Game")},
    {"Comment",
     QT_TRANSLATE_NOOP("Package", "Attack and defend with a 36-card deck against the computer")},
    // Search words, each ending in a semicolon.
    {"Keywords", QT_TRANSLATE_NOOP("Package", "cards;zelmo;christmas;")},
    {"summary", QT_TRANSLATE_NOOP("Package", "Christmas card game against the computer")},
    {"p",
     QT_TRANSLATE_NOOP(
         "Package", "Christmas Zelmo is an attack-and-defend trick game with a 36-card deck and a "
                    "trump suit. You play against the computer in three variants:")},
    {"li",
     QT_TRANSLATE_NOOP(
         "Package", "Mover: the defender may pass the attack on by moving the table to the other "
                    "player.")},
    {"li", QT_TRANSLATE_NOOP(
               "Package",
               "Heap: every card played stays on one growing heap, and a side that cannot beat "
               "its top card takes the top three, or five under a trump.")},
    {"li",
     QT_TRANSLATE_NOOP(
         "Package", "Round: a capture phase around a ring of nine cards, then an attack phase.")},
    {"p", QT_TRANSLATE_NOOP(
              "Package",
              "Cards fly across the table in smooth animations. Ask for a hint, let the computer "
              "play your side, read the rules in the built-in help, and choose card backs, "
              "backgrounds and the pace of the animation.")},
}};
