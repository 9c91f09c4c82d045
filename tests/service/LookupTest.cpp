#include "ServiceTestContext.h"
#include "service/IncidentLookup.h"

#include <gtest/gtest.h>

namespace service {
namespace {

using namespace test_support;

const std::string Finished =
    R"({"ID":41,"TOTALLINEAS":3,"CABECERA":{"NUMERO":2401,"FECHA":"2025-12-09 10:01:02",)"
    R"("ESTADO":2},"LINEAS":[{"ID":7,"FECHA":"2025-12-09 10:01:02","OBSERVACION":{"ID":9,)"
    R"("OBSERVACION":"No imprime: 'A' & <b>\n\"2\""},"OPERADOR":{"DESCRIPCION":"Eva",)"
    R"("GRUPO":"Caja"}},{"FECHA":"2025-12-10 08:00:00"},{"FECHA":"2025-12-11 09:30:00"}]})";

TEST(IncidentLookup, StatusViewOfAFinishedIncident) {
    ServiceTestContext t;
    t.replies = {Finished};
    EXPECT_EQ(IncidentStatusMarkup(t.context, u"2401"),
              u"<Border BorderBrush='LightGreen' BorderThickness='1' Margin='8'><ScrollViewer "
              u"Margin='4'><StackPanel Background='#f9f9f9'>   <Border Background='LightGreen'>  "
              u"     <TextBlock FontWeight='Bold' Text=' Aviso número: 2401'/>   </Border>       "
              u"<TextBlock TextWrapping='Wrap'>           <Run Foreground='Blue'>Fecha:</Run> "
              u"09/12/2025 10:01:02           <LineBreak/><LineBreak/>           <Run "
              u"Foreground='Blue'>Incidencia:</Run><Run Text = 'No imprime: &apos;A&apos; &amp; "
              u"&lt;b&gt;&#10;&quot;2&quot;'/>           <LineBreak/><LineBreak/>           <Run "
              u"Foreground='Blue'>Asignado a:</Run> Eva - Caja           <LineBreak/>           "
              u"<Run Foreground='Blue'>Estado:</Run> <Run FontWeight='Bold'> Finalizado "
              u"11/12/2025</Run>       </TextBlock></StackPanel></ScrollViewer></Border>");
}

TEST(IncidentLookup, StateAndFailureMarkups) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"", std::u16string(NoConnectionMarkup)},
        {"{\"I", std::u16string(NoConnectionMarkup)},
        {"{\"ID\":41,\"CABECERA\":{\"ESTA", std::u16string(NoConnectionMarkup)}, // cut short
        {"{\"TOTALLINEAS\":0}", std::u16string(NoConnectionMarkup)},
        {"{\"ID\":0}", std::u16string(NoDataMarkup)},
        {"{\"ID\":41}", u"Bold'> Indefenido</Run>"},
        {"{\"ID\":41,\"CABECERA\":{\"ESTADO\":1}}", u"Bold'> En Curso</Run>"},
        {"{\"ID\":41,\"CABECERA\":{\"ESTADO\":3}}", u"Bold'> Cancelado</Run>"},
        {"{\"ID\":41,\"CABECERA\":{\"ESTADO\":4}}", u"Bold'> Bloqueado</Run>"},
        {"{\"ID\":41,\"CABECERA\":{\"ESTADO\":null}}", u"Bold'> </Run>"},
        {"{\"ID\":41,\"CABECERA\":{\"ESTADO\":7}}", u"Bold'> </Run>"},
        {"{\"ID\":41,\"CABECERA\":{\"ESTADO\":2},\"TOTALLINEAS\":9}", u"Bold'> Finalizado </Run>"},
    };
    for (const auto& [reply, markup] : cases) {
        ServiceTestContext t;
        t.replies = {reply};
        EXPECT_NE(IncidentStatusMarkup(t.context, u"5").find(markup), std::u16string::npos)
            << reply;
    }
}

TEST(IncidentLookup, TypedNumberAndRequest) {
    ServiceTestContext t;
    t.session.CustomerCode = u"43'1";
    t.replies = {"{\"ID\":0}", "{\"ID\":0}"};
    EXPECT_EQ(IncidentStatusMarkup(t.context, u"12_34_"), NoDataMarkup);
    EXPECT_EQ(IncidentStatusMarkup(t.context, u"abc"), NoDataMarkup);
    EXPECT_EQ(IncidentStatusMarkup(t.context, u"99999999999"), NoDataMarkup);
    EXPECT_EQ(t.os.started.size(), 2u);
    EXPECT_TRUE(t.Asked(
        0, u"'NUMERO': '1234', 'TIPO': 30, 'IDTPV': '0', 'CODIGO_CLIENTE': '43\\u00271'}}"));
    EXPECT_TRUE(t.Asked(1, u"'NUMERO': '0'"));
}

} // namespace
} // namespace service
