#pragma once
#include <QImage>
#include <QString>

namespace art {

class ArtSink;

// The game chooser: the tree scene and the three name labels with hover faces.
void writeChooser(ArtSink &sink);
// A name label with any word, shrunk to fit, or its hover face, at the current scale.
QImage nameLabel(const QString &word, bool hovered);

} // namespace art
