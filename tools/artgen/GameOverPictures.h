#pragma once

namespace art {

class ArtSink;

// WIN1..4, LOOSE1..4 and DRAW1..4: what the computer player feels after a game.
void writeGameOverPictures(ArtSink &sink);

} // namespace art
