#pragma once
#include <QString>

// The application's name, under which its settings are kept.
inline const QString AppTitle = QStringLiteral("Christmas Zelmo");
// The title the player reads: the main window's caption without a game, and the
// caption of the plain message boxes; the desktop entry's name in the player's language.
QString ShownTitle();

// The program's own directory, ending in a path separator; the help file lives there.
// Computed before main runs, so it is valid from the first line of the program on.
extern const QString AppDir;

// Appends the separator unless the directory already ends in one.
QString WithTrailingSeparator(const QString& dir);
