#include "JsonReplies.h"

#include <array>

namespace bench {

namespace {

const std::array<const char*, 4> Observations = {
    "El terminal de caja no imprime los tickets desde esta mañana. Se ha reiniciado la "
    "impresora térmica y el equipo, pero el error persiste: aparece el aviso \\\"Papel "
    "agotado\\\" aunque el rollo está colocado.",
    "Tras la actualización de ayer, la aplicación tarda más de dos minutos en abrir el "
    "módulo de almacén. Se comprobó la conexión con el servidor y la base de datos "
    "responde con normalidad.\\r\\nSolicitan asistencia remota.",
    "La pantalla táctil del punto de venta número dos no responde en la zona inferior "
    "derecha. Se calibró desde el panel de control sin éxito. Se adjunta descripción del "
    "operador: \\\"al pulsar Cobrar no ocurre nada\\\".",
    "No se pueden enviar los pedidos a proveedores por correo electrónico; el programa "
    "muestra el error de autenticación del servidor SMTP. Se verificó la contraseña con "
    "el cliente y es correcta.",
};

const std::array<const char*, 3> Operators = {"María José Núñez", "Íñigo Peña Gallardo",
                                              "Begoña Ibáñez"};
const std::array<const char*, 3> Groups = {"Soporte Técnico", "Administración", "Desarrollo"};

void AppendLine(std::string& out, int i) {
    const std::string id = std::to_string(100000 + i);
    out += "{\"ID\":";
    out += id;
    out += ",\"FECHA\":\"2024-03-";
    out += std::to_string(10 + i % 18);
    out += " 10:";
    out += std::to_string(10 + i % 50);
    out += ":00\",\"OBSERVACION\":{\"ID\":";
    out += id;
    out += ",\"OBSERVACION\":\"";
    out += Observations[size_t(i) % Observations.size()];
    out += "\"},\"OPERADOR\":{\"DESCRIPCION\":\"";
    out += Operators[size_t(i) % Operators.size()];
    out += "\",\"GRUPO\":\"";
    out += Groups[size_t(i) % Groups.size()];
    out += "\"}}";
}

} // namespace

std::string IncidentReply(int lineCount) {
    std::string out = "{\"ID\":35812,\"TOTALLINEAS\":" + std::to_string(lineCount) +
                      ",\"CABECERA\":{\"NUMERO\":35812,\"FECHA\":\"2024-03-01 09:30:00\","
                      "\"ESTADO\":1},\"LINEAS\":[";
    for (int i = 0; i < lineCount; ++i) {
        if (i > 0) {
            out += ",\n";
        }
        AppendLine(out, i);
    }
    out += "]}";
    return out;
}

std::string IncidentReplyOfSize(size_t bytes) {
    const size_t perLine = IncidentReply(100).size() / 100;
    return IncidentReply(int(bytes / perLine) + 1);
}

} // namespace bench
