#pragma once

#include "session/Context.h"

namespace identity {

inline constexpr char16_t DemonstrationCustomerCode[] = u"0000000000001";

// Reads who this workstation belongs to from the local database into the session
// (CustomerCode, CustomerName, TerminalText, WarehouseText, UsesTouchScreen). When no
// company name could be read, the demonstration company is used and the user is asked
// for the name. Never fails; DbConnection is released before it returns.
void LoadWorkstationProfile(session::Context& context);

} // namespace identity
