#pragma once
#include <QImage>
#include <QString>

// The pictures at scales the program does not ship, drawn by the same code that drew
// the shipped ones. A folder's pictures are drawn together the first time one of them
// is asked for at a scale, then kept for the rest of the run.
QImage DrawnArtwork(const QString& path, int scale);
// A chooser name label, or its hover face, spelling a word the shipped ones do not.
QImage DrawnNameLabel(const QString& word, bool hovered, int scale);
