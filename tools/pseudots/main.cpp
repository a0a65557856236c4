// Writes a pseudo-translation of the program's texts, for checking that every text
// passes through translation and that the windows leave room for longer languages:
//
//   pseudots IN.ts OUT.ts
//
// Each source of IN becomes its own translation in OUT, marked ⟦ ⟧ and a third longer,
// with its place markers kept.
#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>

namespace {

QString Pseudo(const QString& source)
{
    return QStringLiteral("\u27e6") + source + QString(source.size() / 3, u'~') +
           QStringLiteral("\u27e7");
}

void WriteMessage(QXmlStreamWriter& out, const QString& source, bool plural)
{
    out.writeStartElement(QStringLiteral("message"));
    if (plural)
        out.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
    out.writeTextElement(QStringLiteral("source"), source);
    out.writeStartElement(QStringLiteral("translation"));
    if (plural) {
        // English has two forms; both are the marked source.
        out.writeTextElement(QStringLiteral("numerusform"), Pseudo(source));
        out.writeTextElement(QStringLiteral("numerusform"), Pseudo(source));
    } else {
        out.writeCharacters(Pseudo(source));
    }
    out.writeEndElement();
    out.writeEndElement();
}

// Copies every context and message of `in` with pseudo translations; false on a
// malformed file.
bool WritePseudo(QXmlStreamReader& in, QXmlStreamWriter& out)
{
    out.setAutoFormatting(true);
    out.writeStartDocument();
    out.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    out.writeStartElement(QStringLiteral("TS"));
    out.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    out.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    bool plural = false;
    while (!in.atEnd()) {
        const auto token = in.readNext();
        if (token == QXmlStreamReader::EndElement && in.name() == u"context")
            out.writeEndElement();
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (in.name() == u"context") {
            out.writeStartElement(QStringLiteral("context"));
        } else if (in.name() == u"name") {
            out.writeTextElement(QStringLiteral("name"), in.readElementText());
        } else if (in.name() == u"message") {
            plural = in.attributes().value(QStringLiteral("numerus")) == u"yes";
        } else if (in.name() == u"source") {
            WriteMessage(out, in.readElementText(), plural);
        } else if (in.name() == u"comment") {
            // A disambiguation follows its source, so it would come too late here.
            in.raiseError(QStringLiteral("disambiguation comments are not supported"));
        }
    }
    out.writeEndDocument();
    return !in.hasError();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pseudots IN.ts OUT.ts\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "pseudots: cannot read %s or write %s\n", argv[1], argv[2]);
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    if (!WritePseudo(reader, writer)) {
        std::fprintf(stderr, "pseudots: %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    return 0;
}
