#pragma once

#include <cstddef>
#include <string>

namespace bench {

// A GETDOC-shaped incident reply in UTF-8 with the given number of lines: ID,
// TOTALLINEAS, CABECERA and the LINEAS records, each with an observation of a few
// hundred characters of Spanish text.
std::string IncidentReply(int lineCount);

// An incident reply of at least the given size in bytes.
std::string IncidentReplyOfSize(size_t bytes);

} // namespace bench
