#include "shell/data_environment.h"

namespace albora {

DataEnvironment DataEnvironment1;

DataEnvironment::DataEnvironment()
{
    Connection1.ConnectionString = "Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=False;";
}

void DataEnvironment::apriConnection1(const QString& percorsoArchivio, const QString& password)
{
    Connection1.Open(percorsoArchivio, QString(), password, -1);
}

}  // namespace albora
