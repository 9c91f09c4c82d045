#include "ui/FormTables.h"

#include "ui/Pictures.h"

namespace ui {

namespace {

using enum ControlKind;

constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t DarkGrey = 0x404040;

Font Tahoma(double points, bool bold = false) {
    return {.name = u"Tahoma", .points = points, .bold = bold};
}

Font SansSerif12() {
    return {.name = u"MS Sans Serif", .points = 12};
}

ControlEntry LinkLabel(int32_t index, TwipsRect place, std::u16string caption) {
    return {.name = u"Lb10",
            .kind = Label,
            .index = index,
            .place = place,
            .caption = std::move(caption),
            .font = SansSerif12(),
            .tabIndex = index + 1,
            .link = true,
            .tracksPointer = true};
}

ControlEntry Logo(std::u16string_view name, TwipsRect place, std::u16string_view picture) {
    return {
        .name = name, .kind = Picture, .place = place, .picture = picture, .container = u"Gr00"};
}

} // namespace

FormTable SplashTable() {
    return {.name = u"Splash",
            .caption = u"Garantías de uso",
            .clientWidth = 7455,
            .clientHeight = 6585,
            .controls =
                {
                    {.name = u"Lb00",
                     .kind = MarkupLabel,
                     .place = {240, 240, 6975, 5175},
                     .tabIndex = 0},
                    {.name = u"Ch00",
                     .kind = CheckBox,
                     .place = {360, 5880, 3255, 375},
                     .caption = u"Acepto los términos",
                     .font = Tahoma(12),
                     .tabIndex = 1},
                    {.name = u"Bt00",
                     .kind = PushButton,
                     .place = {4920, 5760, 2415, 615},
                     .caption = u"Continuar...",
                     .font = Tahoma(14.25),
                     .tabIndex = 2},
                },
            .escape = EscapeKey::Closes};
}

FormTable FrmMainTable(const session::Configuration& config) {
    return {.name = u"frmMain",
            .caption = u"Asistencia Remota Lunadoro",
            .clientWidth = 11955,
            .clientHeight = 9465,
            .backColour = White,
            .controls =
                {
                    {.name = u"Im10",
                     .kind = Picture,
                     .place = {120, 120, 11745, 7800},
                     .tracksPointer = true,
                     .picture = pictures::Background,
                     .behindText = true},
                    {.name = u"Lb03",
                     .kind = Label,
                     .place = {120, 1080, 11895, 675},
                     .caption = u"Bienvenido al Soporte Técnico de Lunadoro",
                     .font = Tahoma(27.75)},
                    {.name = u"Lb04",
                     .kind = Label,
                     .place = {240, 2040, 11730, 285},
                     .caption = u"Estamos encantados de ayudarle",
                     .font = Tahoma(12)},
                    {.name = u"Bt00",
                     .kind = PushButton,
                     .place = {4080, 3840, 3975, 615},
                     .caption = u"Solicitar Soporte Técnico",
                     .font = {.name = u"Arial", .points = 14.25},
                     .tabIndex = 0},
                    {.name = u"Im00",
                     .kind = Picture,
                     .place = {4350, 5040, 3240, 390},
                     .picture = pictures::SuIdTag},
                    {.name = u"Lb05",
                     .kind = Label,
                     .place = {5160, 5100, 2295, 255},
                     .font = SansSerif12(),
                     .accessibleName = u"Su ID"}, // the words are in the picture beside it
                    LinkLabel(0, {720, 6240, 1875, 300}, u"Tutoriales rápidos"),
                    LinkLabel(1, {720, 6720, 1035, 300}, u"Manuales"),
                    LinkLabel(2, {720, 7200, 2025, 300}, u"Solicitar Formación"),
                    LinkLabel(3, {8760, 6240, 2895, 300}, u"¿Qué hay de mi incidencia?"),
                    {.name = u"Lb02",
                     .kind = Label,
                     .place = {4800, 7680, 6960, 210},
                     .caption = u"Las consultas más complejas o peticiones, envíelas por email a " +
                                config.supportEmail,
                     .font = {.name = u"Arial", .points = 8.25, .italic = true},
                     .foreColour = DarkGrey},
                    {.name = u"Gr00", .kind = GroupBox, .place = {120, 7920, 11775, 1455}},
                    Logo(u"Im03", {240, 480, 3210, 750}, pictures::LogoA),
                    Logo(u"Im01", {4440, 480, 3210, 750}, pictures::LogoB),
                    Logo(u"Im02", {9360, 360, 2145, 1095}, pictures::LogoC),
                },
            .takesCloseCommand = true};
}

// The arrangement is ours: large text and touch-sized buttons, for a till.
FormTable FrmExplicaTable() {
    return {
        .name = u"FrmExplica",
        .caption = u"Soporte Remoto",
        .clientWidth = 9900,
        .clientHeight = 6480,
        .controls =
            {
                {.name = u"Bt01",
                 .kind = PushButton,
                 .place = {9000, 120, 780, 720},
                 .tabIndex = 7,
                 .picture = pictures::Keyboard,
                 .toolTip = u"Teclado en pantalla"},
                {.name = u"Lb00",
                 .kind = Label,
                 .place = {180, 360, 8700, 360},
                 .caption = u"Explíquenos brevemente la incidencia o consulta que quiere hacernos",
                 .font = Tahoma(12),
                 .tabIndex = 4},
                {.name = u"Tx00",
                 .kind = TextBox,
                 .place = {180, 960, 9540, 2280},
                 .font = Tahoma(12),
                 .tabIndex = 0,
                 .multiLine = true,
                 .labelledBy = u"Lb00"},
                {.name = u"Label1",
                 .kind = Label,
                 .place = {180, 3480, 7500, 360},
                 .caption = u"Díganos su nombre y teléfono para poder dirigirnos a usted:",
                 .font = Tahoma(12),
                 .tabIndex = 5},
                {.name = u"Tx01",
                 .kind = TextBox,
                 .place = {180, 4020, 4500, 540},
                 .font = Tahoma(12),
                 .tabIndex = 1,
                 .accessibleName = u"Nombre"},
                {.name = u"Tx02",
                 .kind = TextBox,
                 .place = {4860, 4020, 2700, 540},
                 .font = Tahoma(12),
                 .tabIndex = 2,
                 .accessibleName = u"Teléfono"},
                {.name = u"Im00",
                 .kind = Picture,
                 .place = {7800, 3480, 1920, 1920},
                 .picture = pictures::Support},
                {.name = u"Pb00",
                 .kind = ProgressBar,
                 .place = {180, 5700, 6600, 540},
                 .caption = u"Estableciendo conexión...",
                 .font = Tahoma(10),
                 .tabIndex = 6,
                 .visible = false},
                {.name = u"Bt00",
                 .kind = PushButton,
                 .place = {7200, 5580, 2520, 720},
                 .caption = u"Continuar",
                 .font = Tahoma(14.25),
                 .tabIndex = 3},
            },
        .escape = EscapeKey::ClosesWhenEmpty};
}

FormTable FrmDialogTable() {
    return {.name = u"frmDialog",
            .caption = u"Consultar incidencia",
            .clientWidth = 8400,
            .clientHeight = 7200,
            .controls =
                {
                    {.name = u"Lb00",
                     .kind = Label,
                     .place = {180, 180, 8040, 420},
                     .caption = u"Introduzca el número de aviso para su consulta",
                     .font = Tahoma(12, true),
                     .tabIndex = 1},
                    {.name = u"Bt00",
                     .kind = PushButton,
                     .place = {180, 780, 840, 720},
                     .tabIndex = 2,
                     .picture = pictures::Keyboard,
                     .toolTip = u"Teclado en pantalla"},
                    {.name = u"Tx00",
                     .kind = TextBox,
                     .place = {1200, 780, 6000, 720},
                     .font = Tahoma(20),
                     .tabIndex = 0,
                     .accessibleName = u"Número de aviso"},
                    {.name = u"Bt01",
                     .kind = PushButton,
                     .place = {7380, 780, 840, 720},
                     .tabIndex = 4,
                     .picture = pictures::Magnifier,
                     .toolTip = u"Consultar"},
                    {.name = u"Lb01",
                     .kind = MarkupLabel,
                     .place = {180, 1680, 8040, 5340},
                     .font = Tahoma(10),
                     .tabIndex = 3,
                     .accessibleName = u"Estado del aviso"},
                },
            .escape = EscapeKey::Closes};
}

} // namespace ui
