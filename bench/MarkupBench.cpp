#include "ui/markup/MarkupLayout.h"
#include "ui/markup/MarkupParser.h"

#include <benchmark/benchmark.h>
#include <string>

// The incident status view as the lookup dialog shows it: parsed, then laid out in the
// dialog's result label with a measurer as cheap as a front end's cached font metrics.

namespace {

using namespace ui::markup;

struct FixedMeasurer : TextMeasurer {
    double Width(std::u16string_view text, const Font& font) override {
        return double(text.size()) * font.pixelSize * 0.55;
    }
    FontMetrics Metrics(const Font& font) override {
        return {font.pixelSize * 0.9, font.pixelSize * 0.25, font.pixelSize * 1.2};
    }
};

std::u16string StatusView() {
    std::u16string observation;
    for (int i = 0; i < 6; ++i) {
        observation += u"La impresora del mostrador no imprime los tickets desde esta mañana. ";
    }
    return u"<Border BorderBrush='LightGreen' BorderThickness='1' Margin='8'><ScrollViewer "
           u"Margin='4'><StackPanel Background='#f9f9f9'>   <Border Background='LightGreen'>  "
           u"     <TextBlock FontWeight='Bold' Text=' Aviso número: 123456'/>   </Border>       "
           u"<TextBlock TextWrapping='Wrap'>           <Run Foreground='Blue'>Fecha:</Run> "
           u"12/03/2024 10:15:00           <LineBreak/><LineBreak/>           <Run "
           u"Foreground='Blue'>Incidencia:</Run><Run Text = '" +
           observation +
           u"'/>           <LineBreak/><LineBreak/>           <Run Foreground='Blue'>Asignado "
           u"a:</Run> Ana Ruiz - Soporte técnico           <LineBreak/>           <Run "
           u"Foreground='Blue'>Estado:</Run> <Run FontWeight='Bold'> En Curso</Run>       "
           u"</TextBlock></StackPanel></ScrollViewer></Border>";
}

void MarkupStatusView(benchmark::State& state) {
    const std::u16string markup = StatusView();
    FixedMeasurer measurer;
    for (auto _ : state) {
        const DisplayList list = Layout(Parse(markup), 600, 300, measurer, {});
        benchmark::DoNotOptimize(list.items.data());
    }
    state.counters["caption_chars"] = double(markup.size());
}

} // namespace

BENCHMARK(MarkupStatusView);
