#pragma once

namespace art {

class ArtSink;

// The card pictures: the four suits' faces, the backs, the mask, the frame, the mark.
void writeCards(ArtSink &sink);

} // namespace art
