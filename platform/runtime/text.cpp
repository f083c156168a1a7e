#include "runtime/runtime.h"

namespace platform::runtime {

QString LTrim(const QString& s)
{
    qsizetype start = 0;
    while (start < s.size() && s[start] == u' ')
        ++start;
    return s.mid(start);
}

QString RTrim(const QString& s)
{
    qsizetype end = s.size();
    while (end > 0 && s[end - 1] == u' ')
        --end;
    return s.left(end);
}

QString Trim(const QString& s)
{
    return LTrim(RTrim(s));
}

QString Left(const QString& s, int n)
{
    if (n < 0)
        throw Error(ErrInvalidProcedureCall, "Chiamata di routine o argomento non validi.");
    return s.left(n);
}

QString Right(const QString& s, int n)
{
    if (n < 0)
        throw Error(ErrInvalidProcedureCall, "Chiamata di routine o argomento non validi.");
    return s.right(n);
}

}  // namespace platform::runtime
