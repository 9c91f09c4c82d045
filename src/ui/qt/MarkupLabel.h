#pragma once

#include "ui/ColourScheme.h"
#include "ui/MarkupTheme.h"
#include "ui/markup/DisplayList.h"
#include "ui/markup/MarkupLayout.h"
#include "ui/markup/MarkupTree.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <map>
#include <string>
#include <tuple>

namespace ui::qt {

// The label that shows a caption in the markup subset: laid out by the portable engine,
// painted here, scrolled when taller than the label.
class MarkupLabel : public QAbstractScrollArea, private markup::TextMeasurer {
    Q_OBJECT
    Q_PROPERTY(QString markup READ Markup)

public:
    explicit MarkupLabel(QWidget* parent);

    void SetMarkup(std::u16string_view caption);
    QString Markup() const;
    // The words the caption shows, for screen readers.
    QString PlainText() const;
    // The label's font (family, size in points) and the resolution the layout is scaled to.
    void SetStyle(std::u16string family, double points, double dotsPerInch);
    // The system's colours, over the window's background.
    void SetScheme(const ColourScheme& scheme, uint32_t background);
    const markup::DisplayList& Display() const { return display; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void Relayout();
    QFont FontOf(const markup::Font& font);
    double Width(std::u16string_view text, const markup::Font& font) override;
    markup::FontMetrics Metrics(const markup::Font& font) override;

    MarkupLook look;
    std::u16string caption;
    markup::Document document;
    markup::DisplayList display;
    std::map<std::tuple<std::u16string, double, bool>, QFont> fonts;
    // Each layout measures the same words again, and a label is laid out at every resize.
    std::map<std::tuple<std::u16string, double, bool, std::u16string>, double> widths;
};

} // namespace ui::qt
