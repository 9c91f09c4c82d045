#pragma once

#include <string_view>

namespace service {

// The request documents as the service expects them; the placeholders are filled by
// FillTemplate. Credentials and the vendor's numbers are part of the service's contract.
inline constexpr std::u16string_view ServicePath = u"/VelmornServ/ServiciosJsonNoDecode";

inline constexpr std::u16string_view GetAvisosTemplate =
    u"{'SESION':'qelmarin5820364197','M':'LISTADOS','F':'GETAVISOS','P':{'CODIGO_CLIENTE':"
    u"'##CODIGO##','IDESTADO':1,'IDTPV':##IDTPV##,'DESDE':1,'HASTA':1}}";

inline constexpr std::u16string_view SetDocTemplate =
    u"{'UUID':'7C2A91E4-3B6F-D150-8E47-A9F03B6C2D18','ID':'##IDMAESTRO##','F':'SETDOC','M':"
    u"'FACTURACION','P':{'IDOPERADOR':5000014,'DOCUMENTO':{'ID':'##IDMAESTRO##','TIPO':30,"
    u"'IDEMISOR':5000014,'IDRECEPTOR':33,'IDPRIORIDAD':1,'CABECERA':{'CLIENTE':'##CODIGO##',"
    u"'FECHA':'##FECHA##'},'LINEAS':[{'ID':'##IDLINEA##','IDARTICULO':5003288,'OBSERVACION':{"
    u"'ID':##IDOBS##,'OBSERVACION':'##OBS##','FECHA':'##FECHA##'}}]}}}";

inline constexpr std::u16string_view GetDocTemplate =
    u"{'UUID':'7C2A91E4-3B6F-D150-8E47-A9F03B6C2D18','ID':'','F':'GETDOC','M':'FACTURACION',"
    u"'P':{'IDOPERADOR':5000014, 'NUMERO': '##NUMERO##', 'TIPO': 30, 'IDTPV': '0', "
    u"'CODIGO_CLIENTE': '##CODIGO##'}}";

} // namespace service
