#include "FuzzChecks.h"

#include "HelpChmFile.h"
#include "HelpChmLib.h"
#include "HelpSitemap.h"
#include "SitemapDepth.h"

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

bool AllNamed(const std::vector<THelpTopic>& topics)
{
    return std::all_of(topics.begin(), topics.end(), [](const THelpTopic& topic) {
        return !topic.Name.isEmpty() && AllNamed(topic.Children);
    });
}

void CollectPages(const std::vector<THelpTopic>& topics, QStringList& pages)
{
    for (const THelpTopic& topic : topics) {
        // Page lookup as the viewer does it: the name without its place on the page.
        if (!topic.Local.isEmpty()) pages << topic.Local.section(QLatin1Char('#'), 0, 0);
        CollectPages(topic.Children, pages);
    }
}

std::string CheckSitemap(const QByteArray& text, QStringList* pages = nullptr)
{
    const std::vector<THelpTopic> topics = ParseSitemap(text);
    if (SitemapDepth(topics) > SitemapMaxDepth) return "a sitemap tree deeper than SitemapMaxDepth";
    if (!AllNamed(topics)) return "a sitemap entry without a name";
    if (pages) CollectPages(topics, *pages);
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
        const std::string problem = CheckSitemap(file.Read(sitemap).Data, &pages);
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
    return data.startsWith("ITSF") ? CheckChm(WithTrueLength(data)) : CheckSitemap(data);
}
