// Writes the desktop entry and the AppStream metainfo with every language's texts:
//
//   packagetexts QM_FOLDER "de fr ..." DESKTOP_IN DESKTOP_OUT METAINFO_IN METAINFO_OUT
//
// After each line that carries one of the package's texts in English it adds that text
// in every language with a translation: Key[code]=... in the desktop entry, the same
// element with xml:lang in the metainfo.
#include "PackageTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <QTranslator>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct TLanguageFile {
    QString Code;
    std::unique_ptr<QTranslator> Translator;
};

using TLine = std::function<QStringList(const QString& line)>;

QString Translated(const TLanguageFile& language, const TPackageText& text)
{
    return language.Translator->translate("Package", text.Text);
}

const TPackageText* Find(const QString& key, const QString& english)
{
    for (const TPackageText& text : PackageTexts)
        if (key == QLatin1String(text.Key) && english == QString::fromUtf8(text.Text))
            return &text;
    return nullptr;
}

QStringList DesktopLines(const QString& line, const std::vector<TLanguageFile>& languages)
{
    QStringList lines{line};
    const qsizetype equals = line.indexOf(u'=');
    const TPackageText* text = equals > 0 ? Find(line.left(equals), line.mid(equals + 1)) : nullptr;
    if (text)
        for (const TLanguageFile& language : languages)
            if (const QString translated = Translated(language, *text); !translated.isEmpty())
                lines << QStringLiteral("%1[%2]=%3").arg(line.left(equals), language.Code, translated);
    return lines;
}

QStringList MetainfoLines(const QString& line, const std::vector<TLanguageFile>& languages)
{
    static const QRegularExpression element(
        QStringLiteral(R"(^(\s*)<(name|summary|p|li)>([^<]*)</\2>\s*$)"));
    QStringList lines{line};
    const QRegularExpressionMatch match = element.match(line);
    const TPackageText* text = match.hasMatch() ? Find(match.captured(2), match.captured(3)) : nullptr;
    if (text)
        for (const TLanguageFile& language : languages)
            if (const QString translated = Translated(language, *text); !translated.isEmpty())
                lines << QStringLiteral("%1<%2 xml:lang=\"%3\">%4</%2>")
                             .arg(match.captured(1), match.captured(2), language.Code,
                                  translated.toHtmlEscaped());
    return lines;
}

bool Rewrite(const QString& from, const QString& to, const TLine& expand)
{
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text) ||
        !out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream read(&in);
    QTextStream write(&out);
    while (!read.atEnd())
        for (const QString& line : expand(read.readLine()))
            write << line << '\n';
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 7) {
        std::fprintf(stderr, "usage: packagetexts QM_FOLDER LANGUAGES DESKTOP_IN DESKTOP_OUT "
                             "METAINFO_IN METAINFO_OUT\n");
        return 2;
    }
    std::vector<TLanguageFile> languages;
    for (const QString& code : args[2].split(u' ', Qt::SkipEmptyParts)) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QStringLiteral("christmas-zelmo_") + code, args[1])) {
            std::fprintf(stderr, "packagetexts: no translation for %s in %s\n", qPrintable(code),
                         qPrintable(args[1]));
            return 1;
        }
        languages.push_back({code, std::move(translator)});
    }
    const bool written =
        Rewrite(args[3], args[4], [&](const QString& line) { return DesktopLines(line, languages); }) &&
        Rewrite(args[5], args[6], [&](const QString& line) { return MetainfoLines(line, languages); });
    if (!written)
        std::fprintf(stderr, "packagetexts: could not read or write the package files\n");
    return written ? 0 : 1;
}
