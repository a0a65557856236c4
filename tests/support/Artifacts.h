#pragma once
#include <QImage>
#include <QString>

// Saves a screenshot under the build's artifacts folder so a person can look at it.
// Returns the path written, or an empty string when no artifacts folder is set.
QString SaveArtifact(const QImage& image, const QString& name);
