#pragma once

#include "ArtSink.h"

#include <QImage>
#include <vector>

namespace art {

// Every picture at 1:1 with its path underneath, for looking them over.
QImage contactSheet(const std::vector<Artwork> &all);

} // namespace art
