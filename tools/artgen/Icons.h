#pragma once

namespace art {

class ArtSink;

// Toolbar and menu icons (play, exit, hint, autoplay, rules) in their normal,
// disabled and hot looks.
void writeIcons(ArtSink &sink);

} // namespace art
