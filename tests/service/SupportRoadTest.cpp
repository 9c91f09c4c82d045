#include "IncidentStore.h"
#include "StandIn.h"
#include "service/IncidentFiling.h"
#include "service/IncidentLookup.h"
#include "service/OpenIncidentCheck.h"
#include "ui/markup/MarkupParser.h"

#include <gtest/gtest.h>

namespace service {
namespace {

using namespace test_support;

class SupportRoadTest : public ::testing::Test, protected StandIn {
protected:
    SupportRoadTest() {
        session.CustomerCode = u"4300012";
        session.CustomerName = u"Ferretería Luna";
        session.TerminalText = u"1 Caja";
        session.WarehouseText = u"Central (Almacén)";
        session.AgentClientId = u"987654321";
    }
    // One support request as the form makes it.
    std::u16string Request(std::u16string problem) {
        session.ProblemText = std::move(problem);
        CheckOpenIncident(context);
        return FileIncident(context);
    }
    std::u16string Stored(const std::u16string& number) {
        support_service::IncidentStore store(database);
        return text::Utf8ToUtf16(
            store.FindByNumber(std::stoll(text::Utf16ToUtf8(number)))->lines.at(0).observation);
    }
};

// The observation as the status view shows it, when the view is well-formed markup.
std::u16string ShownObservation(const ui::markup::Node& node) {
    const std::u16string* text = node.Find(u"Text");
    if (node.IsElement(u"Run") && text)
        return *text;
    for (const ui::markup::Node& child : node.children)
        if (std::u16string shown = ShownObservation(child); !shown.empty())
            return shown;
    return {};
}

TEST_F(SupportRoadTest, FileReuseFinishAndLoseTheService) {
    const std::u16string number = Request(u"No imprime");
    ASSERT_FALSE(number.empty());
    EXPECT_EQ(Request(u"Sigue sin imprimir"), number);
    EXPECT_NE(Stored(number).find(u"\nReconexión: "), std::u16string::npos);
    EXPECT_TRUE(Stored(number).ends_with(u"   Problema: Sigue sin imprimir"));

    const std::string n = text::Utf16ToUtf8(number);
    ASSERT_EQ(Operator("assign " + n + " Eva Caja") + Operator("add-line " + n + " Hecho") +
                  Operator("state " + n + " 2"),
              0);
    const std::u16string view = IncidentStatusMarkup(context, number);
    EXPECT_NE(view.find(u"Eva - Caja"), std::u16string::npos);
    const std::u16string today = os.FormatDate(os.PosixOs::Now(), platform::DateFormat::ShortDate);
    EXPECT_NE(view.find(u"Bold'> Finalizado " + today + u"</Run>"), std::u16string::npos);

    // Back in progress: the check reads its document, then the service goes away.
    ASSERT_EQ(Operator("state " + n + " 1"), 0);
    CheckOpenIncident(context);
    EXPECT_EQ(session.OpenIncidentNumber, number);
    Stop();
    EXPECT_EQ(FileIncident(context), u"");
    EXPECT_EQ(IncidentStatusMarkup(context, number), NoConnectionMarkup);
    EXPECT_EQ(Request(u"Sin servicio"), u"");

    Start();
    for (const std::string fault : {"http500", "truncate"}) {
        ASSERT_EQ(Operator("fault " + fault), 0);
        EXPECT_EQ(Request(u"Con fallo"), u"") << fault;
        const std::u16string view = IncidentStatusMarkup(context, number);
        EXPECT_EQ(view == NoConnectionMarkup, fault == "http500");
        EXPECT_TRUE(ui::markup::Parse(view).wellFormed);
    }
}

TEST_F(SupportRoadTest, WhatIsTypedArrivesAsTyped) {
    // clang-format off
    const std::u16string rows[] = {u"'", u"\"", u"\\", u"#", u"%", u"%41", u"&", u"+", u"?", u"<b>",
        u"ñ á é í ó ú ü Ñ ¿ ¡ €", u"GARCÍA ÁLVAREZ", u"\U0001F600", u"uno\r\ndos", u"uno\ndos",
        u"a\tb", u"##IDLINEA##", std::u16string(5000, u'ñ')};
    // clang-format on
    for (const std::u16string& typed : rows) {
        SCOPED_TRACE(text::Utf16ToUtf8(typed.substr(0, 20)));
        session.ContactName = session.ContactPhone = session.ProblemText = typed;
        ClearOpenIncident(session);
        const std::u16string number = FileIncident(context);
        ASSERT_FALSE(number.empty());
        std::u16string asTyped = typed;
        std::erase(asTyped, u'\r');
        EXPECT_TRUE(session.IncidentText.ends_with(u"Incidencia: " + asTyped));
        EXPECT_EQ(Stored(number), session.IncidentText);
        const ui::markup::Document view = ui::markup::Parse(IncidentStatusMarkup(context, number));
        EXPECT_TRUE(view.wellFormed);
        EXPECT_EQ(ShownObservation(view.root), session.IncidentText);
    }
}

TEST_F(SupportRoadTest, TheWireOfANewFilingIsFixed) {
    session.UsesTouchScreen = -1;
    session.ContactName = u"José";
    session.ProblemText = u"La impresora del almacén no saca el 'ticket'";
    ClearOpenIncident(session);
    ASSERT_FALSE(FileIncident(context).empty());
    EXPECT_EQ(
        support_service::IncidentStore(database).Setting("last-request"),
        "/VelmornServ/ServiciosJsonNoDecode?%7B'UUID':'7C2A91E4-3B6F-D150-8E47-A9F03B6C2D18','ID'"
        ":'-1','F':'SETDOC','M':'FACTURACION','P':%7B'IDOPERADOR':5000014,'DOCUMENTO':%7B'ID':'-1"
        "','TIPO':30,'IDEMISOR':5000014,'IDRECEPTOR':33,'IDPRIORIDAD':1,'CABECERA':%7B'CLIENTE':'"
        "4300012','FECHA':'09/12/2025%2012:00:00'%7D,'LINEAS':[%7B'ID':'-1','IDARTICULO':5003288,"
        "'OBSERVACION':%7B'ID':-1,'OBSERVACION':'Cliente:4300012%20Ferreter%C3%ADa%20Luna%5CnTerm"
        "inal:%201%20Caja%20(pantalla%20t%C3%A1ctil)%20Almac%C3%A9n:%20Central%20(Almac%C3%A9n)%5"
        "CnContacto:%20Jos%C3%A9%20%5Cn%5CnTeamViewer%20ID%20=%20987654321%5CnIncidencia:%20La%20"
        "impresora%20del%20almac%C3%A9n%20no%20saca%20el%20%5Cu0027ticket%5Cu0027','FECHA':'09/12"
        "/2025%2012:00:00'%7D%7D]%7D%7D%7D");
}

} // namespace
} // namespace service
