#include "FixedMeasurer.h"
#include "ui/TermsText.h"

#include <gtest/gtest.h>

using namespace ui::markup;

namespace {

constexpr Colour red = 0x0000FF, blue = 0xFF0000, black = 0;

std::u16string Joined(const std::vector<std::u16string>& lines, std::u16string_view separator) {
    std::u16string text = lines.front();
    for (size_t i = 1; i < lines.size(); ++i)
        text.append(separator).append(lines[i]);
    return text;
}

const std::u16string authorisation =
    u"AUTORIZO al personal del servicio de asistencia técnica de Lunadoro S.A. a tomar el control "
    u"remoto de su ordenador para resolución de incidencias o dudas sobre el uso de la aplicación "
    u"Velmorn.";
const std::u16string hours =
    u"Nuestro horario de atención es de Lunes a Viernes de 8:30 a 18:30 (UTC +00:00). Sábados y "
    u"domingos se atenderá al teléfono de guardia: (+34) 910 000 000.";
} // namespace

TEST(MarkupLayout, TermsShowACentredFramedPanelOfWrappedParagraphs) {
    const Theme theme{.gradientActiveCaption = 0xABCDEF, .fontFamily = u"Tahoma"};
    const DisplayList list = LayOut(ui::TermsMarkup(u"(+34) 910 000 000"), 465, 345, theme);

    // The system colour fills the inside of a grey frame, then comes the text.
    const Colour system = theme.gradientActiveCaption;
    EXPECT_EQ(ItemsOf<GradientRect>(list),
              (std::vector<GradientRect>{
                  {{1, 1, 463, 343}, {0.5, 0}, {0.5, 1}, {{0, system}, {1, system}}}}));
    EXPECT_EQ(ItemsOf<BorderRect>(list),
              (std::vector<BorderRect>{{{0, 0, 465, 345}, {1, 1, 1, 1}, 0x767676}}));
    EXPECT_TRUE(std::holds_alternative<TextRun>(list.items.at(2)));

    // 465 - 2 * (1 + 10 + 20) leaves 403 px, 50 characters a line.
    const auto runs = ItemsOf<TextRun>(list);
    EXPECT_EQ(runs[0].text, u"AUTORIZO");
    double left = 1e9, right = 0, top = 1e9, bottom = 0;
    for (const auto& run : runs) {
        EXPECT_LE(run.width, 403);
        EXPECT_EQ(run.font, (Font{u"Tahoma", 16, false}));
        EXPECT_EQ(run.colour, run.text == u"AUTORIZO" ? red : black);
        left = std::min(left, run.x), right = std::max(right, run.x + run.width);
        top = std::min(top, run.top), bottom = std::max(bottom, run.top + run.height);
    }
    const auto lines = LinesOf(list);
    EXPECT_GT(lines.size(), 6u);
    EXPECT_EQ(Joined(lines, u" "), authorisation + u" " + hours);
    EXPECT_DOUBLE_EQ(left - 11 - 20, 454 - 20 - right); // centred across
    EXPECT_DOUBLE_EQ(top - 11 - 20, 334 - 20 - bottom); // and down
    EXPECT_LT(list.contentHeight, 345);                 // no scrolling
}

TEST(MarkupLayout, FixedLookupTextsAreCentredInTheLabel) {
    const std::u16string centred =
        u"<TextBlock HorizontalAlignment='Center' VerticalAlignment='Center' Text='";
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"<TextBlock HorizontalAlignment = 'Center' VerticalAlignment = 'Center' "
         u"FontWeight='Bold' Text='",
         u"No existe un aviso con este número"},
        {centred, u"No es posible conectar con el servidor."}};
    for (const auto& [start, text] : cases) {
        const double width = 8.0 * double(text.size());
        EXPECT_EQ(ItemsOf<TextRun>(LayOut(start + text + u"'/>", 500, 200)),
                  (std::vector<TextRun>{{(500 - width) / 2, 92, 104, width, 16, text,
                                         Font{u"Segoe UI", 12, start != centred}, black}}));
    }
}

TEST(MarkupLayout, StatusViewShowsItsFieldsAndScrollsWhenTaller) {
    const std::u16string markup =
        u"<Border BorderBrush='LightGreen' BorderThickness='1' Margin='8'><ScrollViewer "
        u"Margin='4'><StackPanel Background='#f9f9f9'>   <Border Background='LightGreen'>       "
        u"<TextBlock FontWeight='Bold' Text=' Aviso número: 1234'/>   </Border>       <TextBlock "
        u"TextWrapping='Wrap'>           <Run Foreground='Blue'>Fecha:</Run> 12/03/2024 "
        u"10:15:00           <LineBreak/><LineBreak/>           <Run "
        u"Foreground='Blue'>Incidencia:</Run><Run Text = 'La impresora no imprime " +
        std::u16string(60, u'x') +
        u"'/>           <LineBreak/><LineBreak/>           <Run Foreground='Blue'>Asignado "
        u"a:</Run> Ana Ruiz - Soporte           <LineBreak/>           <Run "
        u"Foreground='Blue'>Estado:</Run> <Run FontWeight='Bold'> En Curso</Run>       "
        u"</TextBlock></StackPanel></ScrollViewer></Border>";
    const DisplayList list = LayOut(markup, 400, 100);

    // 400 - 2 * (8 + 1 + 4) leaves 374 px, 46 characters a line.
    EXPECT_EQ(LinesOf(list), (std::vector<std::u16string>{
                                 u" Aviso número: 1234", u"Fecha: 12/03/2024 10:15:00",
                                 u"Incidencia:La impresora no imprime", std::u16string(46, u'x'),
                                 std::u16string(14, u'x'), u"Asignado a: Ana Ruiz - Soporte",
                                 u"Estado: En Curso"}));
    const auto runs = ItemsOf<TextRun>(list);
    EXPECT_TRUE(runs[0].font.bold);
    EXPECT_EQ(runs[0].x, 13);
    for (size_t i = 1; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].colour, runs[i].text.ends_with(u":") ? blue : black);
        EXPECT_EQ(runs[i].font.bold, runs[i].text == u"En Curso");
    }
    EXPECT_EQ(runs.back().top - runs[1].top, 7 * 16); // two empty lines between the fields
    EXPECT_EQ(list.contentHeight, runs.back().top + 16 + 13);

    // The panel's background, and LightGreen behind the title line only.
    const double panel = list.contentHeight - 26;
    EXPECT_EQ(ItemsOf<FilledRect>(list), (std::vector<FilledRect>{{{13, 13, 374, panel}, 0xF9F9F9},
                                                                  {{13, 13, 374, 16}, 0x90EE90}}));
    EXPECT_EQ(ItemsOf<BorderRect>(list),
              (std::vector<BorderRect>{{{8, 8, 384, panel + 10}, {1, 1, 1, 1}, 0x90EE90}}));
}
