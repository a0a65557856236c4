#pragma once

namespace art {

class ArtSink;

// The game chooser: the tree scene and the three name labels with hover faces.
void writeChooser(ArtSink &sink);

} // namespace art
