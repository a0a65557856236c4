#include "HelpChmLib.h"

#include <dlfcn.h>
#include <type_traits>

TChmLibrary::TChmLibrary(QString name) : fileName(std::move(name)) {}

TChmLibrary::~TChmLibrary()
{
    Unload();
}

bool TChmLibrary::Load()
{
    if (handle) return true;
    handle = dlopen(fileName.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return false;
    const auto resolve = [this](auto& entry, const char* symbol) {
        entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(dlsym(handle, symbol));
        return entry != nullptr;
    };
    const bool complete = resolve(Open, "chm_open") && resolve(Close, "chm_close") &&
                          resolve(Resolve, "chm_resolve_object") &&
                          resolve(Retrieve, "chm_retrieve_object") &&
                          resolve(Enumerate, "chm_enumerate");
    // A library of that name without the chmlib entry points is no chmlib.
    if (!complete) Unload();
    return complete;
}

void TChmLibrary::Unload()
{
    if (handle) dlclose(handle);
    handle = nullptr;
    Open = nullptr;
    Close = nullptr;
    Resolve = nullptr;
    Retrieve = nullptr;
    Enumerate = nullptr;
}
