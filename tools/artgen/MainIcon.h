#pragma once

namespace art {

class ArtSink;

// The program icon at every size the desktop asks for.
void writeMainIcon(ArtSink &sink);

} // namespace art
