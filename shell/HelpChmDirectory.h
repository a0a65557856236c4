#pragma once
#include <QByteArray>

// The directory of a compiled help file, the listing chmlib walks to find and to list
// objects, checked whole before chmlib is given the file. chmlib follows the links
// between directory chunks and the lengths inside them without bounds: a chunk that
// links back to itself hangs it, and an entry longer than its chunk makes it read past
// its buffers.
namespace ChmDirectory {

// The directory section as it stands in the file: its header, then its chunks.
bool IsSound(const QByteArray& directory);

} // namespace ChmDirectory
