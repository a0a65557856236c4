#pragma once

namespace art {

class ArtSink;

// The about box picture: the grinning computer player in front of two cards.
void writeAbout(ArtSink &sink);

} // namespace art
