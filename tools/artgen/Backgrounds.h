#pragma once

namespace art {

class ArtSink;

// The six 200 x 200, 16-colour board pictures; each tiles without a seam.
void writeBackgrounds(ArtSink &sink);

} // namespace art
