#pragma once
// The print data connection: one connection, opened at start-up from the
// archive's full path, used only by printing.

#include "ado/ado.h"

#include <QString>

namespace albora {

struct DataEnvironment {
    DataEnvironment();
    platform::ado::Connection Connection1;
    // Opens Connection1 on the archive file ip_conn + db_conn, with no user
    // name.  The archive's password goes with it: without it a protected
    // archive could not even start the program.
    void apriConnection1(const QString& percorsoArchivio, const QString& password);
};

extern DataEnvironment DataEnvironment1;

}  // namespace albora
