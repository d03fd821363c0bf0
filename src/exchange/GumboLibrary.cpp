#include "GumboLibrary.h"

#include <QCoreApplication>
#include <dlfcn.h>
#include <stdexcept>

namespace {

constexpr const char* File = "libgumbo.so.1";

[[noreturn]] void Refuse(const QString& message) { throw std::runtime_error(message.toLocal8Bit().toStdString()); }

template <typename Symbol>
void Resolve(void* library, const char* name, Symbol& symbol)
{
    symbol = reinterpret_cast<Symbol>(dlsym(library, name));
    if (!symbol)
        Refuse(QCoreApplication::translate("ClientLibraries", "The library %1 has no function %2.")
                   .arg(QString::fromLatin1(File), QString::fromLatin1(name)));
}

GumboLibrary::Functions Loaded()
{
    void* library = dlopen(File, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        Refuse(QCoreApplication::translate("ClientLibraries", "The library %1 cannot be loaded: %2")
                   .arg(QString::fromLatin1(File), QString::fromLocal8Bit(dlerror())));
    GumboLibrary::Functions functions;
    Resolve(library, "gumbo_parse_with_options", functions.parse);
    Resolve(library, "gumbo_destroy_output", functions.destroy);
    Resolve(library, "gumbo_get_attribute", functions.attribute);
    Resolve(library, "kGumboDefaultOptions", functions.defaultOptions);
    return functions;
}

}

const GumboLibrary::Functions& GumboLibrary::Get()
{
    static const Functions functions = Loaded();
    return functions;
}
