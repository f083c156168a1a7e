#pragma once
// Text rules of the Jet engine that the archive keeps: comparisons ignore
// letter case, accented letters included ("È" equals "è"), and trailing
// blanks ("abc " equals "abc").  Ordering puts accented letters beside their
// base letter (e < è < f); accents decide only between otherwise equal texts.
//
// Registered on every connection as the collation JET (used by the text
// columns of the schema and by the string literals of translated statements)
// and the function jet_left(text, n), Jet's Left.

#include <cstddef>

struct sqlite3;

namespace platform::ado::detail {

inline constexpr const char* JetCollation = "JET";
inline constexpr const char* JetLeftFunction = "jet_left";

// <0, 0, >0 like strcmp, over UTF-8 bytes.
int jetCompare(const char* a, std::size_t aBytes, const char* b, std::size_t bBytes);

// Registers the collation and the functions on a connection; raises on failure.
void registerJetText(sqlite3* db);

}  // namespace platform::ado::detail
