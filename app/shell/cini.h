#pragma once
// One section of one settings (INI) file, read and written one value at a
// time.  Nothing is cached: every read goes to the file.
//
//   Cini ini;
//   ini.setFileName(AppPath() + "/agg.ini");
//   ini.setApplicationKey("db_remoto");
//   QString folder = ini.GetValue("ip_conn", "p");   // "p" when the key is absent
//
// GetValue returns "Error" when nothing was read (a key with an empty value,
// or an absent key with an empty default), cuts values at 99 characters and
// keeps only the characters from code 32 to 126.

#include <QString>

class Cini {
public:
    QString FileName() const { return fileName_; }
    void setFileName(QString strFile);

    QString ApplicationKey() const { return applicationKey_; }
    void setApplicationKey(QString strAppKey);

    QString GetValue(QString keyName, QString strDefault) const;
    bool SetValue(QString keyName, QString strValue);

private:
    static QString CleanString(QString s);

    QString fileName_;
    QString applicationKey_;
};
