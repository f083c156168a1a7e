#pragma once
// A value shown through a number format of the "##,##0.00" family with the
// regional settings in force: grouped thousands, fixed decimals.  Null shows
// as empty text; text that is no number shows as it is.

#include "runtime/variant.h"

#include <QString>

namespace albora {

QString formattaNumero(const platform::runtime::Variant& valore, const QString& formato);

}  // namespace albora
