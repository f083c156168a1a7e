#pragma once
// Closes the window's one recordset when a photo statement ends, also when
// it ends with an error, so the next statement of the window can open it.

#include "ado/ado.h"

namespace albora {

class RecordsetChiusoAllaFine {
public:
    explicit RecordsetChiusoAllaFine(platform::ado::Recordset& rs) : rs_(rs) {}
    ~RecordsetChiusoAllaFine()
    {
        if (rs_.State() == platform::ado::adStateOpen)
            rs_.Close();
    }
    RecordsetChiusoAllaFine(const RecordsetChiusoAllaFine&) = delete;
    RecordsetChiusoAllaFine& operator=(const RecordsetChiusoAllaFine&) = delete;

private:
    platform::ado::Recordset& rs_;
};

}  // namespace albora
