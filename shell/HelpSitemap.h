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

// Lists nested deeper than this are kept at this depth: a hostile file must not run the
// readers of the tree out of stack.
constexpr size_t SitemapMaxDepth = 16;

// Reads the sitemap lists of a contents or index file; tolerant of the loose HTML
// these files are written in. Entries without a name are left out.
std::vector<THelpTopic> ParseSitemap(const QByteArray& text);
