#include "service/StatusView.h"

#include "service/ReplyValues.h"
#include "service/ServiceDates.h"

#include <optional>

namespace service {

namespace {

// A service date in the user's format; a text that is no date shows as it is.
std::u16string ShownDate(session::Context& context, const json::JsonValue& value,
                         platform::DateFormat format) {
    const std::u16string text = TextOf(value);
    const std::optional<double> date = ParseServiceDate(text);
    return date ? context.os.FormatDate(*date, format) : text;
}

// A missing state counts as 0; null or anything that is no number shows no state.
std::optional<int32_t> StateCode(const json::JsonValue& state) {
    return state.IsEmpty() ? 0 : WholeNumber(state);
}

std::u16string StateText(session::Context& context, const json::JsonValue& incident) {
    switch (StateCode(incident[u"CABECERA"][u"ESTADO"]).value_or(-1)) {
    case 0:
        return u"Indefenido"; // as the service side has it
    case 1:
        return u"En Curso";
    case 2: {
        const int32_t lastLine = WholeNumber(incident[u"TOTALLINEAS"]).value_or(0);
        return u"Finalizado " + ShownDate(context, incident[u"LINEAS"][lastLine][u"FECHA"],
                                          platform::DateFormat::ShortDate);
    }
    case 3:
        return u"Cancelado";
    case 4:
        return u"Bloqueado";
    default:
        return {};
    }
}

} // namespace

std::u16string MarkupEscape(std::u16string_view text) {
    std::u16string escaped;
    escaped.reserve(text.size());
    for (char16_t c : text) {
        switch (c) {
        case u'&':
            escaped += u"&amp;";
            break;
        case u'<':
            escaped += u"&lt;";
            break;
        case u'>':
            escaped += u"&gt;";
            break;
        case u'\'':
            escaped += u"&apos;";
            break;
        case u'"':
            escaped += u"&quot;";
            break;
        case u'\t':
            escaped += u"&#9;";
            break;
        case u'\n':
            escaped += u"&#10;";
            break;
        case u'\r':
            escaped += u"&#13;";
            break;
        default:
            if (c >= 0x20)
                escaped += c;
        }
    }
    return escaped;
}

std::u16string StatusView(session::Context& context, const json::JsonValue& incident) {
    const json::JsonValue& header = incident[u"CABECERA"];
    const json::JsonValue& firstLine = incident[u"LINEAS"][1];
    const json::JsonValue& operatorRecord = firstLine[u"OPERADOR"];
    std::u16string view;
    view += u"<Border BorderBrush='LightGreen' BorderThickness='1' Margin='8'>";
    view += u"<ScrollViewer Margin='4'>";
    view += u"<StackPanel Background='#f9f9f9'>";
    view += u"   <Border Background='LightGreen'>";
    view += u"       <TextBlock FontWeight='Bold' Text=' Aviso número: ";
    view += MarkupEscape(TextOf(header[u"NUMERO"]));
    view += u"'/>";
    view += u"   </Border>";
    view += u"       <TextBlock TextWrapping='Wrap'>";
    view += u"           <Run Foreground='Blue'>Fecha:</Run> ";
    view += MarkupEscape(ShownDate(context, header[u"FECHA"], platform::DateFormat::GeneralDate));
    view += u"           <LineBreak/><LineBreak/>";
    view += u"           <Run Foreground='Blue'>Incidencia:</Run><Run Text = '";
    view += MarkupEscape(TextOf(firstLine[u"OBSERVACION"][u"OBSERVACION"]));
    view += u"'/>";
    view += u"           <LineBreak/><LineBreak/>";
    view += u"           <Run Foreground='Blue'>Asignado a:</Run> ";
    view += MarkupEscape(TextOf(operatorRecord[u"DESCRIPCION"]));
    view += u" - ";
    view += MarkupEscape(TextOf(operatorRecord[u"GRUPO"]));
    view += u"           <LineBreak/>";
    view += u"           <Run Foreground='Blue'>Estado:</Run> <Run FontWeight='Bold'> ";
    view += MarkupEscape(StateText(context, incident));
    view += u"</Run>";
    view += u"       </TextBlock>";
    view += u"</StackPanel>";
    view += u"</ScrollViewer>";
    view += u"</Border>";
    return view;
}

} // namespace service
