#include "ui/TermsText.h"

#include <array>

namespace ui {

std::u16string TermsMarkup(std::u16string_view standbyPhone) {
    const std::u16string hours =
        u"Nuestro horario de atención es de Lunes a Viernes de 8:30 a 18:30 (UTC +00:00). "
        u"Sábados y domingos se atenderá al teléfono de guardia: " +
        std::u16string(standbyPhone) + u".";
    // Lines 9 and 12 differ in their blanks; both stand as written.
    const std::array<std::u16string, 16> lines{
        u"<Border Padding='10' BorderThickness='1' BorderBrush='#767676'>",
        u"<Border.Background>",
        u"<LinearGradientBrush EndPoint='0.5,1' StartPoint='0.5, 0'>",
        u"<GradientStop Color='{x:Static SystemColors.GradientActiveCaptionColor}' Offset='0'/>",
        u"<GradientStop Color='{x:Static SystemColors.GradientActiveCaptionColor}' Offset='1'/>",
        u"</LinearGradientBrush>",
        u"</Border.Background>",
        u"<StackPanel VerticalAlignment='Center' HorizontalAlignment='Center'>",
        u"<TextBlock Padding='20' FontSize='16'  TextWrapping='Wrap' >",
        u"<Run Foreground='Red'>AUTORIZO</Run> al personal del servicio de asistencia técnica "
        u"de Lunadoro S.A. a tomar el control remoto de su ordenador para resolución de "
        u"incidencias o dudas sobre el uso de la aplicación Velmorn.",
        u"</TextBlock>",
        u"<TextBlock Padding='20' FontSize='16' TextWrapping='Wrap'>",
        hours,
        u"</TextBlock>",
        u"</StackPanel>",
        u"</Border>",
    };
    std::u16string markup;
    for (const std::u16string& line : lines) {
        if (!markup.empty())
            markup += u"\r\n";
        markup += line;
    }
    return markup;
}

} // namespace ui
