#include "jet_text.h"

#include "sqlite_error.h"

#include <QChar>
#include <QString>
#include <array>
#include <sqlite3.h>

namespace platform::ado::detail {

namespace {

struct Keys {
    char32_t primary;    // base letter, case folded: what ordering looks at first
    char32_t secondary;  // case folded letter with its accents
};

Keys computeKeys(char32_t cp)
{
    char32_t folded = QChar::toCaseFolded(cp);
    char32_t base = folded;
    // Follow canonical decompositions down to the base letter ("ǖ" -> "ü" -> "u").
    for (int depth = 0; depth < 4 && QChar::decompositionTag(base) == QChar::Canonical; ++depth) {
        const QString parts = QChar::decomposition(base);
        if (parts.isEmpty())
            break;
        char32_t first = parts.at(0).isHighSurrogate() && parts.size() > 1
                             ? QChar::surrogateToUcs4(parts.at(0), parts.at(1))
                             : char32_t(parts.at(0).unicode());
        base = QChar::toCaseFolded(first);
    }
    return {base, folded};
}

// Latin letters, where nearly all of the archive's text lives, are looked up.
constexpr char32_t TableSize = 0x250;

const std::array<Keys, TableSize>& latinKeys()
{
    static const std::array<Keys, TableSize> table = [] {
        std::array<Keys, TableSize> t{};
        for (char32_t cp = 0; cp < TableSize; ++cp)
            t[cp] = computeKeys(cp);
        return t;
    }();
    return table;
}

Keys keysOf(char32_t cp)
{
    return cp < TableSize ? latinKeys()[cp] : computeKeys(cp);
}

// Decodes one code point; a malformed byte stands for itself.
char32_t nextCodePoint(const unsigned char*& p, const unsigned char* end)
{
    unsigned char c = *p++;
    if (c < 0x80)
        return c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (extra == 0 || end - p < extra)
        return c;
    char32_t cp = c & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return c;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    p += extra;
    return cp;
}

std::size_t withoutTrailingBlanks(const char* s, std::size_t n)
{
    while (n > 0 && s[n - 1] == ' ')
        --n;
    return n;
}

int compareFrom(const unsigned char* a, const unsigned char* aEnd, const unsigned char* b,
                const unsigned char* bEnd, bool primary)
{
    while (a < aEnd && b < bEnd) {
        Keys ka = keysOf(nextCodePoint(a, aEnd));
        Keys kb = keysOf(nextCodePoint(b, bEnd));
        char32_t va = primary ? ka.primary : ka.secondary;
        char32_t vb = primary ? kb.primary : kb.secondary;
        if (va != vb)
            return va < vb ? -1 : 1;
    }
    if (a < aEnd)
        return 1;
    if (b < bEnd)
        return -1;
    return 0;
}

int collate(void*, int aBytes, const void* a, int bBytes, const void* b)
{
    return jetCompare(static_cast<const char*>(a), std::size_t(aBytes), static_cast<const char*>(b),
                      std::size_t(bBytes));
}

void left(sqlite3_context* context, int, sqlite3_value** args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL || sqlite3_value_type(args[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_int64 count = sqlite3_value_int64(args[1]);
    if (count < 0) {
        sqlite3_result_error(context, "Left: il numero di caratteri non può essere negativo", -1);
        return;
    }
    auto text = sqlite3_value_text(args[0]);
    auto end = text + sqlite3_value_bytes(args[0]);
    auto p = text;
    for (sqlite3_int64 i = 0; i < count && p < end; ++i)
        nextCodePoint(p, end);
    sqlite3_result_text(context, reinterpret_cast<const char*>(text), int(p - text), SQLITE_TRANSIENT);
}

}  // namespace

int jetCompare(const char* a, std::size_t aBytes, const char* b, std::size_t bBytes)
{
    aBytes = withoutTrailingBlanks(a, aBytes);
    bBytes = withoutTrailingBlanks(b, bBytes);
    auto ua = reinterpret_cast<const unsigned char*>(a);
    auto ub = reinterpret_cast<const unsigned char*>(b);
    std::size_t i = 0;
    // Plain ASCII: both keys are the lower-case letter.
    for (; i < aBytes && i < bBytes; ++i) {
        unsigned char ca = ua[i];
        unsigned char cb = ub[i];
        if ((ca | cb) & 0x80)
            break;
        if (ca >= 'A' && ca <= 'Z')
            ca = static_cast<unsigned char>(ca + 32);
        if (cb >= 'A' && cb <= 'Z')
            cb = static_cast<unsigned char>(cb + 32);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (i == aBytes || i == bBytes)
        return aBytes == bBytes ? 0 : (i == aBytes ? -1 : 1);
    int byBase = compareFrom(ua + i, ua + aBytes, ub + i, ub + bBytes, true);
    return byBase != 0 ? byBase : compareFrom(ua + i, ua + aBytes, ub + i, ub + bBytes, false);
}

void registerJetText(sqlite3* db)
{
    int rc = sqlite3_create_collation_v2(db, JetCollation, SQLITE_UTF8, nullptr, collate, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, JetLeftFunction, 2,
                                        SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr, left,
                                        nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        raiseSqlite(db, rc, "Preparazione dell'archivio non riuscita");
}

}  // namespace platform::ado::detail
