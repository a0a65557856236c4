#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class TChmLibrary;
struct chmFile;

// One compiled help file, read through chmlib. Object names are absolute paths inside
// the file, e.g. "/mover.html".
class TChmFile {
public:
    enum TStatus { fsClosed, fsOk, fsMissing, fsEmpty, fsDamaged };

    struct TObject {
        enum { Ok, Absent, Damaged } Status = Absent;
        QByteArray Data;
    };

    // The library must be loaded.
    explicit TChmFile(std::shared_ptr<TChmLibrary> library);
    ~TChmFile();
    TChmFile(const TChmFile&) = delete;
    TChmFile& operator=(const TChmFile&) = delete;

    TStatus Open(const QString& path);
    void Close();
    TStatus Status() const { return status; }
    const QString& Path() const { return path; }

    TObject Read(const QString& object) const;
    // Every file inside, the internal bookkeeping files included.
    QStringList Files() const;

    // From the file's system record; empty when the file does not name them.
    const QString& StartPage() const { return startPage; }
    const QString& ContentsFile() const { return contentsFile; }
    const QString& IndexFile() const { return indexFile; }
    const QString& Title() const { return title; }

    // "mover.html", "/mover.html" and "\mover.html" all name "/mover.html".
    static QString ObjectName(const QString& page);

private:
    // Checks the header against the file's real size and the directory against itself:
    // chmlib trusts both blindly.
    static TStatus CheckHeader(const QString& path);
    void ReadSystemRecord();

    std::shared_ptr<TChmLibrary> library;
    chmFile* handle = nullptr;
    TStatus status = fsClosed;
    QString path;
    QString startPage;
    QString contentsFile;
    QString indexFile;
    QString title;
};
