// Creates a fresh, empty Ostrel.mdb at the given path, but only when no file
// is there: an existing database is never touched.
//   makedb PATH        (a path beginning with "-" is written ./-name)
//   makedb --help | -h
#include "data/DbError.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace {

const char* const Usage = "usage: makedb PATH\n"
                          "Creates an empty database of VornickTest at PATH, unless a file is there already,\n"
                          "which is left untouched. A path beginning with \"-\" is written ./-name.\n";

}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString argument = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
        std::fputs(Usage, stdout);
        return 0;
    }
    // An option misspelt is never taken for a file name to create.
    if (argc != 2 || argument.isEmpty() || argument.startsWith(u'-')) {
        if (argument.startsWith(u'-'))
            std::fprintf(stderr, "makedb: unknown option %s\n", argv[1]);
        std::fputs(Usage, stderr);
        return 2;
    }
    if (QFileInfo::exists(argument))
        return 0;
    try {
        Schema::CreateDatabase(argument);
    } catch (const DbError& error) {
        std::fprintf(stderr, "makedb: %s\n", error.what());
        return 1;
    }
    std::printf("created an empty database at %s\n", argv[1]);
    return 0;
}
