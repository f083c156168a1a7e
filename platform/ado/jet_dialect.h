#pragma once
// The one place where the Jet SQL that the windows compose becomes SQLite SQL.
//
//   "delete * from T where ..."       -> "delete from T where ..."
//   "delete T.* from T where ..."     -> "delete from T where ..."
//   "left(T.Col,4)= 'Lira'"           -> "jet_left(T.Col,4)= 'Lira' COLLATE JET"
//   "`Note`", "[Note]"                -> "\"Note\""
//   "\"text\"" (a Jet text literal)   -> "'text' COLLATE JET"
//
// Every text literal gets COLLATE JET so that comparisons with it follow the
// Jet rules (letter case and trailing blanks ignored) even where the other
// side is an expression.  Text inside literals is never touched; doubled
// quotes inside them stay as they are.  DISTINCT and ORDER BY ... ASC are
// the same in both dialects.

#include <QString>

namespace platform::ado::detail {

// Raises ErrDatabase for a literal or a name left open.
QString translateJetSql(const QString& jetSql);

}  // namespace platform::ado::detail
