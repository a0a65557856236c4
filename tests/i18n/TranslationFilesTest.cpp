// Every language is complete: each .ts has every message finished, with the place markers
// of its source, and help/<code>/ has every page of the English help.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// The place markers of a text, sorted: %1 %2 %n.
QStringList Markers(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d|n)"));
    QStringList found;
    for (const auto& match : marker.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

class TranslationFile : public ::testing::TestWithParam<QString> {};

TEST_P(TranslationFile, EveryMessageIsFinishedWithItsMarkersAndEveryHelpPageIsThere)
{
    SCOPED_TRACE(GetParam().toStdString());
    QFile file(QStringLiteral(ZELMO_TS_DIR "/christmas-zelmo_%1.ts").arg(GetParam()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"source")
            source = xml.readElementText();
        if (!xml.isStartElement() || xml.name() != u"translation")
            continue;
        ++messages;
        EXPECT_NE(xml.attributes().value("type"), u"unfinished") << source.toStdString();
        // A plural message has its forms; any other its text.
        QStringList forms;
        QString text;
        while (!(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == u"translation"))
            if (xml.isStartElement() && xml.name() == u"numerusform")
                forms << xml.readElementText();
            else if (xml.isCharacters())
                text += xml.text();
        if (forms.isEmpty())
            forms << text;
        for (const QString& form : forms) {
            EXPECT_FALSE(form.trimmed().isEmpty()) << "empty: " << source.toStdString();
            EXPECT_EQ(Markers(form), Markers(source))
                << source.toStdString() << " -> " << form.toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 200);

    const QDir english(QStringLiteral(ZELMO_HELP_SOURCE_DIR));
    for (const QString& page : english.entryList({"*.html", "*.hhc", "*.hhk"}, QDir::Files))
        EXPECT_TRUE(english.exists(GetParam() + u'/' + page)) << page.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslationFile,
                         ::testing::ValuesIn(QString(ZELMO_LANGUAGES).split(u' ')),
                         [](const auto& info) { return info.param.toStdString(); });

} // namespace
