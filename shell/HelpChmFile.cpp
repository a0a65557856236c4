#include "HelpChmFile.h"

#include "HelpChmDirectory.h"
#include "HelpChmLib.h"

#include <QFile>
#include <QtEndian>

namespace {

// The file header: signature, then at 0x38 the offset of the header section that
// records the whole file's length (at offset 8 inside that section), and at 0x48 the
// offset and length of the directory.
constexpr qint64 HeaderLength = 0x60;
constexpr qint64 SizeSectionOffsetAt = 0x38;
constexpr qint64 SizeSectionLength = 0x18;
constexpr qint64 DirectoryOffsetAt = 0x48;
constexpr qint64 DirectoryLengthAt = 0x50;
// Far beyond what a help file's listing needs; the whole directory is read to check it.
constexpr quint64 MaxDirectoryLength = 16 * 1024 * 1024;

// Codes of the system record's entries.
enum { scContentsFile = 0, scIndexFile = 1, scStartPage = 2, scTitle = 3 };

QString CString(const QByteArray& bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return QString::fromLatin1(end < 0 ? bytes : bytes.left(end)).trimmed();
}

int CollectFile(chmFile*, chmUnitInfo* unit, void* context)
{
    static_cast<QStringList*>(context)->append(QString::fromUtf8(unit->path));
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

TChmFile::TChmFile(std::shared_ptr<TChmLibrary> lib) : library(std::move(lib)) {}

TChmFile::~TChmFile()
{
    Close();
}

QString TChmFile::ObjectName(const QString& page)
{
    QString name = page;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name.startsWith(QLatin1Char('/')) ? name : QLatin1Char('/') + name;
}

TChmFile::TStatus TChmFile::CheckHeader(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists()) return fsMissing;
    if (!file.open(QIODevice::ReadOnly)) return fsMissing;
    const qint64 size = file.size();
    if (size == 0) return fsEmpty;
    const QByteArray header = file.read(HeaderLength);
    if (header.size() < HeaderLength || !header.startsWith("ITSF")) return fsDamaged;
    const quint64 sectionAt = qFromLittleEndian<quint64>(header.constData() + SizeSectionOffsetAt);
    if (sectionAt > quint64(size) - SizeSectionLength || !file.seek(qint64(sectionAt)))
        return fsDamaged;
    const QByteArray section = file.read(SizeSectionLength);
    if (section.size() < SizeSectionLength) return fsDamaged;
    const quint64 recorded = qFromLittleEndian<quint64>(section.constData() + 8);
    if (recorded != quint64(size)) return fsDamaged;

    const quint64 directoryAt = qFromLittleEndian<quint64>(header.constData() + DirectoryOffsetAt);
    const quint64 directoryLength = qFromLittleEndian<quint64>(header.constData() + DirectoryLengthAt);
    if (directoryLength > MaxDirectoryLength || directoryAt > quint64(size) ||
        directoryLength > quint64(size) - directoryAt || !file.seek(qint64(directoryAt)))
        return fsDamaged;
    const QByteArray directory = file.read(qint64(directoryLength));
    return ChmDirectory::IsSound(directory) ? fsOk : fsDamaged;
}

TChmFile::TStatus TChmFile::Open(const QString& fileName)
{
    Close();
    path = fileName;
    status = CheckHeader(fileName);
    if (status != fsOk) return status;
    handle = library->Open(QFile::encodeName(fileName).constData());
    if (!handle) return status = fsDamaged;
    ReadSystemRecord();
    return status;
}

void TChmFile::Close()
{
    if (handle) library->Close(handle);
    handle = nullptr;
    status = fsClosed;
    startPage.clear();
    contentsFile.clear();
    indexFile.clear();
    title.clear();
}

void TChmFile::ReadSystemRecord()
{
    const TObject system = Read(QStringLiteral("/#SYSTEM"));
    if (system.Status == TObject::Damaged) {
        status = fsDamaged;
        return;
    }
    const QByteArray& data = system.Data;
    // A version word, then entries of a code word, a length word and the data.
    for (qsizetype at = 4; at + 4 <= data.size();) {
        const quint16 code = qFromLittleEndian<quint16>(data.constData() + at);
        const quint16 length = qFromLittleEndian<quint16>(data.constData() + at + 2);
        at += 4;
        if (at + length > data.size()) break;
        const QString text = CString(data.mid(at, length));
        at += length;
        switch (code) {
        case scContentsFile: contentsFile = ObjectName(text); break;
        case scIndexFile: indexFile = ObjectName(text); break;
        case scStartPage: startPage = ObjectName(text); break;
        case scTitle: title = text; break;
        default: break;
        }
    }
}

TChmFile::TObject TChmFile::Read(const QString& object) const
{
    TObject result;
    if (!handle) return result;
    chmUnitInfo unit{};
    const QByteArray name = ObjectName(object).toUtf8();
    if (library->Resolve(handle, name.constData(), &unit) != CHM_RESOLVE_SUCCESS) return result;
    // Lengths come from the file; refuse what no help page could need before allocating.
    constexpr LONGUINT64 Largest = 64 * 1024 * 1024;
    if (unit.length > Largest) {
        result.Status = TObject::Damaged;
        return result;
    }
    result.Data.resize(qsizetype(unit.length));
    const LONGINT64 got = library->Retrieve(
        handle, &unit, reinterpret_cast<unsigned char*>(result.Data.data()), 0,
        LONGINT64(unit.length));
    if (got != LONGINT64(unit.length)) {
        result.Data.clear();
        result.Status = TObject::Damaged;
        return result;
    }
    result.Status = TObject::Ok;
    return result;
}

QStringList TChmFile::Files() const
{
    QStringList files;
    if (handle) library->Enumerate(handle, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_SPECIAL | CHM_ENUMERATE_FILES,
                                     CollectFile, &files);
    return files;
}
