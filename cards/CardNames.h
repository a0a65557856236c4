#pragma once
#include <QString>

class TCard;

// How a card is called in the status line and by screen readers: "Queen of Hearts".
QString CardName(const TCard& card);
