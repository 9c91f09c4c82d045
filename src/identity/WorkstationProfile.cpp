#include "identity/WorkstationProfile.h"

#include "database/CloseAdoObject.h"
#include "identity/WorkstationDatabase.h"
#include "text/Number.h"

#include <exception>
#include <string>
#include <string_view>

namespace identity {

namespace {

constexpr std::u16string_view ProfileQuery =
    u"SELECT INFO.LIC AS CODIGO,INFO.NOMBRE, TERMINALES.ID, TERMINALES.DESCRIPCION, REPLICA, "
    u"ALMACENES.DESCRIPCION ALMACEN, ALMACENES.DIRECCION, LOCALIDADES.DESCRIPCION LOCALIDAD, "
    u"PROVINCIAS.DESCRIPCION PROVINCIA FROM INFO INNER JOIN TERMINALES ON INFO.ID = "
    u"TERMINALES.ID INNER JOIN ALMACENES ON ALMACENES.ID = TERMINALES.IDALMACEN INNER JOIN "
    u"LOCALIDADES ON LOCALIDADES.ID = ALMACENES.IDLOCAL INNER JOIN PROVINCIAS ON PROVINCIAS.ID "
    u"= LOCALIDADES.IDPROV";

constexpr std::u16string_view TouchScreenQuery =
    u"SELECT UPPER(TRIM(VALOR)) FROM TPVOPCIONES WHERE GRUPO = 'OPCIONES TECLADO' AND OPCION = "
    u"'¿USA PANTALLA TÁCTIL?' AND IDTERMINAL = (SELECT ID FROM INFO)";

// Inside a composed text a NULL adds nothing.
std::u16string TextOf(const database::FieldValue& value) {
    return value.IsNull() ? std::u16string() : value.Value();
}

bool IsOne(const database::FieldValue& value) {
    return !value.IsNull() && text::Val(value.Value()) == 1;
}

bool IsLongerThanOneCharacter(const database::FieldValue& value) {
    return !value.IsNull() && value.Value().size() > 1;
}

std::u16string CustomerCodeFrom(const database::FieldValue& code) {
    const std::u16string& codeText = code.Value();
    return text::Val(codeText) == 0 ? std::u16string(DemonstrationCustomerCode) : codeText;
}

std::u16string TerminalTextFrom(const database::Recordset& profile) {
    std::u16string terminal = u"Terminal";
    if (IsOne(profile.Field(u"REPLICA")))
        terminal += u" replicado";
    terminal += u" Nº ";
    terminal += TextOf(profile.Field(u"ID"));
    terminal += u" ";
    terminal += TextOf(profile.Field(u"DESCRIPCION"));
    return terminal;
}

void AppendWhenLongerThanOne(std::u16string& warehouse, std::u16string_view separator,
                             const database::FieldValue& value) {
    if (IsLongerThanOneCharacter(value)) {
        warehouse += separator;
        warehouse += value.Value();
    }
}

void ReadProfileRow(session::SessionState& session, const database::Recordset& profile) {
    session.CustomerName = profile.Field(u"NOMBRE").Value();
    session.CustomerCode = CustomerCodeFrom(profile.Field(u"CODIGO"));
    session.TerminalText = TerminalTextFrom(profile);
    session.WarehouseText = u"Almacén " + TextOf(profile.Field(u"ALMACEN"));
    AppendWhenLongerThanOne(session.WarehouseText, u" -> ", profile.Field(u"DIRECCION"));
    AppendWhenLongerThanOne(session.WarehouseText, u" - Localidad: ", profile.Field(u"LOCALIDAD"));
    AppendWhenLongerThanOne(session.WarehouseText, u" - Provincia: ", profile.Field(u"PROVINCIA"));
}

void ReadProfile(session::Context& context, std::shared_ptr<database::Recordset>& recordset) {
    session::SessionState& session = context.session;
    recordset = OpenRecordset(context, ProfileQuery);
    if (!recordset->EndOfFile())
        ReadProfileRow(session, *recordset);
    database::CloseAdoObject(recordset);
    recordset = OpenRecordset(context, TouchScreenQuery);
    if (!recordset->EndOfFile())
        session.UsesTouchScreen = recordset->Field(0).Value() != u"NO" ? -1 : 0;
}

void UseDemonstrationCompany(session::Context& context) {
    session::SessionState& session = context.session;
    session.CustomerName = context.dialogs
                               .InputBox(u"Introduzca el nombre de su empresa.",
                                         u"Nombre de Empresa", u"Empresa de demostración")
                               .value_or(u"");
    session.CustomerCode = DemonstrationCustomerCode;
    session.TerminalText.clear();
}

} // namespace

void LoadWorkstationProfile(session::Context& context) {
    std::shared_ptr<database::Recordset> recordset;
    try {
        ReadProfile(context, recordset);
    } catch (const std::exception&) {
        // Whatever stopped the reading, the fallback below still gives a usable identity.
    }
    if (context.session.CustomerName.empty())
        UseDemonstrationCompany(context);
    database::CloseAdoObject(recordset);
    database::CloseAdoObject(context.session.DbConnection);
}

} // namespace identity
