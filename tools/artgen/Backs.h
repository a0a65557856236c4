#pragma once

#include <QImage>

namespace art {

// The 994 x 96 palette strip of the fourteen card backs.
QImage backStrip();

} // namespace art
