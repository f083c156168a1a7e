#pragma once
// Archive provider: a Connection and a Recordset over an SQLite 3 archive
// file that accept the Jet SQL text the windows compose.
//
// Opening (every failure raises runtime::Error with an Italian description
// that names the path or the setting at fault; nothing is ever created):
//
//   platform::ado::Connection conn;
//   conn.ConnectionString = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/dati/archivio.mdb;"
//                           "User ID=Admin;Persist Security Info=True;Jet OLEDB:Database Password=";
//   conn.ConnectionTimeout = 60;
//   conn.Mode = 3;            // read/write
//   conn.CursorLocation = 2;  // server-side cursors
//   conn.Open();
//
// Reading (every row is read at Open; no lock is held afterwards, so other
// connections may write meanwhile):
//
//   platform::ado::Recordset rs;
//   rs.Open("SELECT * from TabellaCatalogo Order by TabellaCatalogo.NomeCatalogo asc ", conn, 3, 3);
//   while (!rs.Eof()) {
//       QString name = rs["NomeCatalogo"].text();    // field names ignore letter case
//       rs.MoveNext();
//   }
//   rs.Close();
//
// Adding (the AutoNumber can be read right after AddNew, before any other
// field is set; Update stores the row in one transaction):
//
//   rs.Open("SELECT * from TabellaSchedaFilatelica ", conn, 3, 3);
//   rs.AddNew();
//   auto id = rs["IDSchedaFilatelica"].toLong();
//   rs.setField("Catalogo", QString("Italia"));
//   rs.setField("Quotazione", QString("1.234,50"));  // text converted with the regional settings
//   rs.Update();
//   rs.Close();
//
// Editing: setField on the current row, then Update, or move to another row,
// which stores the row just edited.  A row added or edited and then
// abandoned (Close or CancelUpdate) leaves nothing behind.
//
// Statements that change rows ("delete * from ...") are run with Open too;
// they return an empty, closed-after-use recordset.
//
// Values follow the declared type of each column: CURRENCY columns give
// Currency (exact to four decimals), DATETIME columns Date, INTEGER Long,
// REAL Double, TEXT Text; Null is a value of its own.  Text comparison and
// ordering follow the Jet rules (letter case and trailing blanks ignored).
//
// Creating an archive (tools and tests; opening never creates a file):
//
//   platform::ado::CreateArchive("/dati/archivio.mdb", {"CREATE TABLE ..."}, "segreta");

#include "runtime/variant.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

struct sqlite3;

namespace platform::ado {

using runtime::Variant;

enum ObjectState { adStateClosed = 0, adStateOpen = 1 };
enum CursorType { adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };
enum LockType { adLockReadOnly = 1, adLockPessimistic = 2, adLockOptimistic = 3, adLockBatchOptimistic = 4 };
enum EditMode { adEditNone = 0, adEditInProgress = 1, adEditAdd = 2 };

// The provider name that settings files written for the original program
// carry; it selects this provider.
inline constexpr const char* JetProviderName = "Microsoft.Jet.OLEDB.4.0";

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QString ConnectionString;
    int ConnectionTimeout = 15;
    int Mode = 0;
    int CursorLocation = 2;

    // Opens with ConnectionString, or with the arguments when given: a
    // connection-string argument that is a bare path is taken as the Data
    // Source (how the print connection is opened).  options -1 = unspecified.
    void Open(const QString& connectionString = {}, const QString& userId = {},
              const QString& password = {}, int options = -1);
    void Close();
    int State() const;

    // Runs statements that return no rows (used by tools and tests); the
    // text is Jet SQL, like the source of a Recordset.
    void Execute(const QString& sql);

    // Protects the open archive with a database password, or removes the
    // protection when `password` is empty.  Only a salted digest is stored.
    void setDatabasePassword(const QString& password);

    sqlite3* handle() const;  // for the provider's own classes and benchmarks
    QString dataSource() const;

private:
    friend class Recordset;
    struct Impl;
    std::unique_ptr<Impl> d_;
};

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Only a static cursor (3) is offered; the lock type decides whether
    // fields may be set (optimistic) or not (read-only).  Fields may be set
    // when every column comes from one table together with its INTEGER
    // PRIMARY KEY.  Opening a recordset that is open closes it first.
    void Open(const QString& source, Connection& connection, int cursorType = adOpenStatic,
              int lockType = adLockOptimistic);
    void Close();  // abandons a pending AddNew or edit; harmless when closed
    int State() const;

    // A closed recordset is at both ends and has no rows; reading a field
    // of it raises an error.

    bool Eof() const;
    bool Bof() const;
    void MoveNext();
    void MoveFirst();
    long RecordCount() const;

    int FieldCount() const;
    QString FieldName(int index) const;
    // Position of a field found by name regardless of letter case, for code
    // that reads the same fields row after row; unknown names raise an error
    // naming the field.
    int FieldIndex(const QString& name) const;
    // Value of a field of the current row (or of the row being added).
    // Unknown names raise an error naming the field.
    Variant operator[](const QString& name) const;
    Variant operator[](int index) const;

    // Sets a field of the current row, converting to the column's type; a
    // value that does not convert raises an error naming the column and
    // leaves the row as it was.
    void setField(const QString& name, const Variant& value);

    void AddNew();
    void Update();
    void CancelUpdate();
    int EditMode() const;

    // "Column=value": only rows whose column equals the value (Jet text
    // comparison); empty text removes the filter.  Moves to the first row.
    void setFilter(const QString& filter);
    QString Filter() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// Creates a new archive file at `path` and runs `statements` on it (SQLite
// SQL, not translated; text columns may use COLLATE JET), then protects it
// with `password` when one is given.  Refuses to replace anything that
// exists at `path`; on failure nothing is left behind.
void CreateArchive(const QString& path, const QStringList& statements, const QString& password = {});

}  // namespace platform::ado
