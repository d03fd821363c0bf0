#include "ClientLibraries.h"

#include "DbError.h"

#include <QCoreApplication>
#include <dlfcn.h>

namespace {

void* Load(const char* file)
{
    void* handle = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw DbError(QCoreApplication::translate("ClientLibraries", "The library %1 cannot be loaded: %2")
                          .arg(QString::fromLatin1(file), QString::fromLocal8Bit(dlerror())));
    return handle;
}

template <typename Function>
void Resolve(void* library, const char* file, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function)
        throw DbError(QCoreApplication::translate("ClientLibraries", "The library %1 has no function %2.")
                          .arg(QString::fromLatin1(file), QString::fromLatin1(name)));
}

#define VORNICK_RESOLVE(name) Resolve(library, file, #name, functions.name);

void ResolveAll(void* library, const char* file, ClientLibraries::Libpq& functions)
{
    VORNICK_LIBPQ_FUNCTIONS(VORNICK_RESOLVE)
}

void ResolveAll(void* library, const char* file, ClientLibraries::Sqlite& functions)
{
    VORNICK_SQLITE_FUNCTIONS(VORNICK_RESOLVE)
}

void ResolveAll(void* library, const char* file, ClientLibraries::Sodium& functions)
{
    VORNICK_SODIUM_FUNCTIONS(VORNICK_RESOLVE)
}

// A failed load throws out of the static's initialisation below, so the next
// use tries again.
template <class Functions>
Functions Loaded(const char* file)
{
    Functions functions;
    ResolveAll(Load(file), file, functions);
    return functions;
}

#undef VORNICK_RESOLVE

}

const ClientLibraries::Libpq& ClientLibraries::Pq()
{
    static const Libpq functions = Loaded<Libpq>("libpq.so.5");
    return functions;
}

const ClientLibraries::Sqlite& ClientLibraries::Lite()
{
    static const Sqlite functions = Loaded<Sqlite>("libsqlite3.so.0");
    return functions;
}

const ClientLibraries::Sodium& ClientLibraries::PasswordHash()
{
    static const Sodium functions = Loaded<Sodium>("libsodium.so.23");
    return functions;
}
