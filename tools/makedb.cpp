// Creates a fresh, empty Ostrel.mdb at the given path, but only when no file
// is there: an existing database is never touched.
#include "data/DbError.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: makedb PATH\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(path))
        return 0;
    try {
        Schema::CreateDatabase(path);
    } catch (const DbError& error) {
        std::fprintf(stderr, "makedb: %s\n", error.what());
        return 1;
    }
    std::printf("created an empty database at %s\n", argv[1]);
    return 0;
}
