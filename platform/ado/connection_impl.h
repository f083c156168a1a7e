#pragma once
// What a Connection shares with the recordsets opened on it.

#include "ado/ado.h"
#include "database.h"

namespace platform::ado {

struct Connection::Impl {
    std::shared_ptr<detail::Database> database;
};

}  // namespace platform::ado
