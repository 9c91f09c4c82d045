#include "FixedMeasurer.h"

#include <gtest/gtest.h>
#include <numeric>

using namespace ui::markup;

namespace {

constexpr Colour red = 0x0000FF, blue = 0xFF0000, black = 0;

std::u16string Joined(const std::vector<std::u16string>& lines, std::u16string_view separator) {
    std::u16string text;
    for (const auto& line : lines) {
        text += text.empty() ? u"" : separator;
        text += line;
    }
    return text;
}

const std::u16string terms1 =
    u"AUTORIZO al personal del servicio de asistencia técnica de Lunadoro S.A. a tomar el "
    u"control remoto de su ordenador para resolución de incidencias o dudas sobre el uso de la "
    u"aplicación Velmorn.";
const std::u16string terms2 = u"Nuestro horario de atención es de Lunes a Viernes de 8:30 a 18:30 "
                              u"(UTC +00:00). Sábados y domingos se atenderá al teléfono de "
                              u"guardia: (+34) 910 000 000.";

std::u16string TermsMarkup() {
    std::u16string second = terms1.substr(8);
    return Joined({u"<Border Padding='10' BorderThickness='1' BorderBrush='#767676'>",
                   u"<Border.Background>",
                   u"<LinearGradientBrush EndPoint='0.5,1' StartPoint='0.5, 0'>",
                   u"<GradientStop Color='{x:Static SystemColors.GradientActiveCaptionColor}' "
                   u"Offset='0'/>",
                   u"<GradientStop Color='{x:Static SystemColors.GradientActiveCaptionColor}' "
                   u"Offset='1'/>",
                   u"</LinearGradientBrush>", u"</Border.Background>",
                   u"<StackPanel VerticalAlignment='Center' HorizontalAlignment='Center'>",
                   u"<TextBlock Padding='20' FontSize='16'  TextWrapping='Wrap' >",
                   u"<Run Foreground='Red'>AUTORIZO</Run>" + second, u"</TextBlock>",
                   u"<TextBlock Padding='20' FontSize='16' TextWrapping='Wrap'>", terms2,
                   u"</TextBlock>", u"</StackPanel>", u"</Border>"},
                  u"\r\n");
}

} // namespace

TEST(MarkupLayout, TermsShowACentredFramedPanelOfWrappedParagraphs) {
    Theme theme;
    theme.gradientActiveCaption = 0x00ABCDEF;
    theme.fontFamily = u"Tahoma";
    const DisplayList list = LayOut(TermsMarkup(), 465, 345, theme);

    const auto gradients = ItemsOf<GradientRect>(list);
    ASSERT_EQ(gradients.size(), 1u);
    EXPECT_EQ(gradients[0].rect.x, 1); // inside the frame
    EXPECT_EQ(gradients[0].rect.width, 463);
    EXPECT_EQ(gradients[0].start.y, 0);
    EXPECT_EQ(gradients[0].end.y, 1);
    for (const auto& stop : gradients[0].stops) {
        EXPECT_EQ(stop.colour, theme.gradientActiveCaption);
    }
    const auto borders = ItemsOf<BorderRect>(list);
    ASSERT_EQ(borders.size(), 1u);
    EXPECT_EQ(borders[0].rect.height, 345);
    EXPECT_EQ(borders[0].thickness.top, 1);
    EXPECT_EQ(borders[0].colour, 0x767676u);

    // 465 - 2 * (1 + 10 + 20) leaves 403 px, 50 characters a line.
    const auto lines = LinesOf(list);
    const auto runs = ItemsOf<TextRun>(list);
    double left = 1e9, right = 0, top = 1e9, bottom = 0;
    for (const auto& run : runs) {
        EXPECT_LE(run.width, 403);
        EXPECT_EQ(run.font.pixelSize, 16);
        EXPECT_EQ(run.font.family, u"Tahoma");
        EXPECT_EQ(run.colour, run.text == u"AUTORIZO" ? red : black);
        left = std::min(left, run.x), right = std::max(right, run.x + run.width);
        top = std::min(top, run.top), bottom = std::max(bottom, run.top + run.height);
    }
    EXPECT_EQ(runs[0].text, u"AUTORIZO");
    EXPECT_EQ(Joined(lines, u" "), terms1 + u" " + terms2);
    EXPECT_GT(lines.size(), 6u);
    EXPECT_DOUBLE_EQ(left - 11 - 20, 454 - 20 - right); // centred across
    EXPECT_DOUBLE_EQ(top - 11 - 20, 334 - 20 - bottom); // and down
    EXPECT_LT(list.contentHeight, 345);                 // no scrolling
}

TEST(MarkupLayout, FixedLookupTextsAreCentredInTheLabel) {
    const struct {
        std::u16string markup, text;
        bool bold;
    } cases[] = {
        {u"<TextBlock HorizontalAlignment = 'Center' VerticalAlignment = 'Center' "
         u"FontWeight='Bold' Text='No existe un aviso con este número'/>",
         u"No existe un aviso con este número", true},
        {u"<TextBlock HorizontalAlignment='Center' VerticalAlignment='Center' Text='No hay datos "
         u"sobre este aviso.'/>",
         u"No hay datos sobre este aviso.", false},
        {u"<TextBlock HorizontalAlignment='Center' VerticalAlignment='Center' Text='No es posible "
         u"conectar con el servidor.'/>",
         u"No es posible conectar con el servidor.", false},
    };
    for (const auto& c : cases) {
        const auto runs = ItemsOf<TextRun>(LayOut(c.markup, 500, 200));
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].text, c.text);
        EXPECT_EQ(runs[0].font.bold, c.bold);
        EXPECT_EQ(runs[0].x, (500 - 8.0 * c.text.size()) / 2);
        EXPECT_EQ(runs[0].top, (200 - 16) / 2);
        EXPECT_EQ(runs[0].baseline, runs[0].top + 12);
    }
}

TEST(MarkupLayout, StatusViewShowsItsFieldsAndScrollsWhenTaller) {
    const std::u16string observation = u"La impresora no imprime " + std::u16string(60, u'x');
    const std::u16string markup =
        u"<Border BorderBrush='LightGreen' BorderThickness='1' Margin='8'><ScrollViewer "
        u"Margin='4'><StackPanel Background='#f9f9f9'>   <Border Background='LightGreen'>       "
        u"<TextBlock FontWeight='Bold' Text=' Aviso número: 1234'/>   </Border>       <TextBlock "
        u"TextWrapping='Wrap'>           <Run Foreground='Blue'>Fecha:</Run> 12/03/2024 "
        u"10:15:00           <LineBreak/><LineBreak/>           <Run "
        u"Foreground='Blue'>Incidencia:</Run><Run Text = '" +
        observation +
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

    const auto fills = ItemsOf<FilledRect>(list);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].colour, 0xF9F9F9u);
    EXPECT_EQ(fills[0].rect.height, list.contentHeight - 26);
    EXPECT_EQ(fills[1].colour, 0x90EE90u); // LightGreen behind the title line only
    EXPECT_EQ(fills[1].rect.x, 13);
    EXPECT_EQ(fills[1].rect.width, 374);
    EXPECT_EQ(fills[1].rect.height, 16);
    const auto borders = ItemsOf<BorderRect>(list);
    ASSERT_EQ(borders.size(), 1u);
    EXPECT_EQ(borders[0].rect.y, 8);
    EXPECT_EQ(borders[0].rect.height, list.contentHeight - 16);
}
