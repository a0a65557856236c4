#include "HelpSitemap.h"

#include <QRegularExpression>

namespace {

// One pattern per attribute name, compiled once: a hostile contents file may hold
// hundreds of thousands of tags.
QRegularExpression AttributePattern(const char* name)
{
    const QString pattern = QStringLiteral(R"re(\b%1\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re")
                                .arg(QLatin1String(name));
    return QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption);
}

QString Attribute(const QString& attributes, const QRegularExpression& pattern)
{
    const QRegularExpressionMatch match = pattern.match(attributes);
    if (!match.hasMatch()) return {};
    for (int group = 1; group <= 3; ++group)
        if (match.capturedStart(group) >= 0) return match.captured(group);
    return {};
}

QString DecodeEntities(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

} // namespace

std::vector<THelpTopic> ParseSitemap(const QByteArray& bytes)
{
    std::vector<THelpTopic> root;
    // The list being filled; a nested list belongs to the entry just before it.
    std::vector<std::vector<THelpTopic>*> levels{&root};
    THelpTopic entry;
    bool inEntry = false;

    static const QRegularExpression typeAttribute = AttributePattern("type");
    static const QRegularExpression nameAttribute = AttributePattern("name");
    static const QRegularExpression valueAttribute = AttributePattern("value");
    static const QRegularExpression tag(QStringLiteral(R"re(<\s*(/?)\s*([A-Za-z]+)([^>]*)>)re"));
    const QString text = QString::fromUtf8(bytes);
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const QString name = match.captured(2).toLower();
        const QString attributes = match.captured(3);
        if (name == QLatin1String("ul")) {
            if (!closing) {
                std::vector<THelpTopic>* current = levels.back();
                const bool nest = !current->empty() && levels.size() < SitemapMaxDepth;
                levels.push_back(nest ? &current->back().Children : current);
            } else if (levels.size() > 1) {
                levels.pop_back();
            }
        } else if (name == QLatin1String("object")) {
            if (!closing) {
                inEntry = Attribute(attributes, typeAttribute).toLower() ==
                          QLatin1String("text/sitemap");
                entry = {};
            } else if (inEntry) {
                inEntry = false;
                if (!entry.Name.isEmpty()) levels.back()->push_back(std::move(entry));
                entry = {};
            }
        } else if (name == QLatin1String("param") && inEntry) {
            const QString param = Attribute(attributes, nameAttribute).toLower();
            const QString value = DecodeEntities(Attribute(attributes, valueAttribute));
            // An index entry may name several pages; the first one is the one opened.
            if (param == QLatin1String("name") && entry.Name.isEmpty()) entry.Name = value;
            if (param == QLatin1String("local") && entry.Local.isEmpty()) entry.Local = value;
        }
    }
    return root;
}
