#pragma once

#include "session/Context.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace service {

inline constexpr std::u16string_view NotFoundMarkup =
    u"<TextBlock HorizontalAlignment = 'Center' VerticalAlignment = 'Center' "
    u"FontWeight='Bold' Text='No existe un aviso con este número'/>";
inline constexpr std::u16string_view NoDataMarkup =
    u"<TextBlock HorizontalAlignment='Center' VerticalAlignment='Center' "
    u"Text='No hay datos sobre este aviso.'/>";
inline constexpr std::u16string_view NoConnectionMarkup =
    u"<TextBlock HorizontalAlignment='Center' VerticalAlignment='Center' "
    u"Text='No es posible conectar con el servidor.'/>";

// The service's document of the incident with that number (GETDOC), or NotFoundMarkup
// when no reply arrived.
std::u16string FetchIncident(session::Context& context, int32_t number);

// The status view of the incident whose number the user typed, as markup;
// NoDataMarkup when the service knows no such incident of this customer or the number
// cannot be one, NoConnectionMarkup when no readable reply arrived.
std::u16string IncidentStatusMarkup(session::Context& context, std::u16string_view typedText);

} // namespace service
