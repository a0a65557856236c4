#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

// One entry of a help file's contents (.hhc) or index (.hhk): what it is called, the
// page it opens and, in the contents, the entries below it.
struct THelpTopic {
    QString Name;
    QString Local;
    std::vector<THelpTopic> Children;
};

// Reads the sitemap lists of a contents or index file; tolerant of the loose HTML
// these files are written in. Entries without a name are left out.
std::vector<THelpTopic> ParseSitemap(const QByteArray& text);
