#pragma once
#include <chm_lib.h>

#include <QString>

// chmlib, loaded at run time: the help works without the library installed until a
// page is actually asked for, and then says so instead of failing to start.
class TChmLibrary {
public:
    // The name the Debian package installs the library under.
    static inline const QString DefaultName = QStringLiteral("libchm.so.1");

    explicit TChmLibrary(QString fileName = DefaultName);
    ~TChmLibrary();
    TChmLibrary(const TChmLibrary&) = delete;
    TChmLibrary& operator=(const TChmLibrary&) = delete;

    // Loads the library and resolves every entry point; true when all of them are there.
    // A failed attempt is not cached: the library may be installed meanwhile.
    bool Load();
    bool IsLoaded() const { return handle != nullptr; }

    decltype(&chm_open) Open = nullptr;
    decltype(&chm_close) Close = nullptr;
    decltype(&chm_resolve_object) Resolve = nullptr;
    decltype(&chm_retrieve_object) Retrieve = nullptr;
    decltype(&chm_enumerate) Enumerate = nullptr;

private:
    void Unload();

    QString fileName;
    void* handle = nullptr;
};
