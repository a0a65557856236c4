#include "FuzzChecks.h"

#include "HelpChmFile.h"
#include "HelpChmLib.h"
#include "HelpSitemap.h"

#include <QtEndian>
#include <algorithm>

namespace {

// Enough to reach every kind of object without letting one input read for minutes.
constexpr qsizetype MaxReads = 48;

// The file header names, at 0x38, the section that records the file's length at its
// offset 8.
constexpr qsizetype HeaderLength = 0x60;
constexpr qsizetype SizeSectionOffsetAt = 0x38;
constexpr qsizetype SizeSectionLength = 0x18;

std::shared_ptr<TChmLibrary> Library()
{
    static const auto library = [] {
        auto loaded = std::make_shared<TChmLibrary>();
        return loaded->Load() ? loaded : nullptr;
    }();
    return library;
}

// A file that records its own length: the reader refuses any other before chmlib sees
// it, and that refusal is tested elsewhere. Mutations are meant for chmlib.
QByteArray WithTrueLength(QByteArray bytes)
{
    if (bytes.size() < HeaderLength) return bytes;
    const quint64 at = qFromLittleEndian<quint64>(bytes.constData() + SizeSectionOffsetAt);
    if (at <= quint64(bytes.size() - SizeSectionLength))
        qToLittleEndian<quint64>(quint64(bytes.size()), bytes.data() + at + 8);
    return bytes;
}

// Every entry of a parsed contents or index tree has a name, and the tree keeps to the
// reader's depth; collects the pages the entries lead to, looked up as the viewer does
// it: the name without its place on the page.
std::string CheckTopics(const std::vector<THelpTopic>& topics, QStringList& pages, size_t depth = 1)
{
    if (!topics.empty() && depth > SitemapMaxDepth)
        return "a sitemap tree deeper than SitemapMaxDepth";
    for (const THelpTopic& topic : topics) {
        if (topic.Name.isEmpty()) return "a sitemap entry without a name";
        if (!topic.Local.isEmpty()) pages << topic.Local.section(QLatin1Char('#'), 0, 0);
        const std::string problem = CheckTopics(topic.Children, pages, depth + 1);
        if (!problem.empty()) return problem;
    }
    return {};
}

std::string CheckChm(const QByteArray& bytes)
{
    const std::shared_ptr<TChmLibrary> library = Library();
    if (!library) return "chmlib could not be loaded";
    const QString path = WriteInputFile(
        QStringLiteral("help.chm"),
        {reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())});
    if (path.isEmpty()) return "the input could not be written to a file";

    TChmFile file(library);
    const TChmFile::TStatus status = file.Open(path);
    if (status == TChmFile::fsMissing || status == TChmFile::fsClosed)
        return "a help file that is there was reported missing";
    if (status != TChmFile::fsOk) return {};

    QStringList pages{file.StartPage(), QStringLiteral("mover.html"), QStringLiteral("\\heap.html"),
                      QStringLiteral("/round.html")};
    for (const QString& sitemap : {file.ContentsFile(), file.IndexFile()}) {
        if (sitemap.isEmpty()) continue;
        const std::string problem = CheckTopics(ParseSitemap(file.Read(sitemap).Data), pages);
        if (!problem.empty()) return problem;
    }
    pages << file.Files();
    pages.resize(std::min(pages.size(), MaxReads));
    for (const QString& page : pages) {
        const TChmFile::TObject object = file.Read(page);
        if (object.Status != TChmFile::TObject::Ok && !object.Data.isEmpty())
            return "a page that could not be read came with data";
    }
    return {};
}

} // namespace

std::string CheckHelpInput(std::span<const uint8_t> bytes)
{
    const QByteArray data(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    QStringList pages;
    return data.startsWith("ITSF") ? CheckChm(WithTrueLength(data))
                                   : CheckTopics(ParseSitemap(data), pages);
}
