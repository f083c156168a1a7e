// crea_archivio <file> [--password <password>]
//
// Creates an empty archive with the catalogue and card tables, optionally
// protected by a database password.  An existing file is never replaced.
// Exit status: 0 created, 1 not created, 2 wrong arguments.

#include "archive/schema.h"
#include "runtime/error.h"

#include <QString>
#include <cstdio>

namespace {

int uso()
{
    std::fprintf(stderr, "Uso: crea_archivio <file dell'archivio> [--password <password>]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    QString archivio;
    QString password;
    bool conPassword = false;
    for (int i = 1; i < argc; ++i) {
        const QString argomento = QString::fromLocal8Bit(argv[i]);
        if (argomento == "--password") {
            if (conPassword || i + 1 >= argc)
                return uso();
            password = QString::fromLocal8Bit(argv[++i]);
            conPassword = true;
        } else if (archivio.isEmpty() && !argomento.startsWith("--")) {
            archivio = argomento;
        } else {
            return uso();
        }
    }
    if (archivio.isEmpty())
        return uso();
    if (conPassword && password.isEmpty()) {
        std::fprintf(stderr, "La password non può essere vuota: per un archivio senza password ometti --password.\n");
        return 2;
    }

    try {
        albora::creaArchivio(archivio, password);
    } catch (const platform::runtime::Error& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    std::printf("Archivio creato: %s%s\n", qPrintable(archivio), conPassword ? " (protetto da password)" : "");
    return 0;
}
