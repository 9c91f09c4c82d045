#include "ui/qt/MarkupLabel.h"

#include "ui/markup/MarkupParser.h"
#include "ui/markup/PlainText.h"
#include "ui/qt/Controls.h"
#include "ui/qt/QtText.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QScrollBar>
#include <QShowEvent>
#include <cmath>
#include <type_traits>

namespace ui::qt {

namespace {

QRectF ToRect(const markup::Rect& rect) {
    return {rect.x, rect.y, rect.width, rect.height};
}

void Paint(QPainter& painter, const markup::FilledRect& item) {
    painter.fillRect(ToRect(item.rect), FromBgr(item.colour));
}

void Paint(QPainter& painter, const markup::GradientRect& item) {
    const markup::Rect& r = item.rect;
    QLinearGradient gradient(r.x + item.start.x * r.width, r.y + item.start.y * r.height,
                             r.x + item.end.x * r.width, r.y + item.end.y * r.height);
    for (const markup::GradientStop& stop : item.stops)
        gradient.setColorAt(std::clamp(stop.offset, 0.0, 1.0), FromBgr(stop.colour));
    painter.fillRect(ToRect(r), gradient);
}

void Paint(QPainter& painter, const markup::BorderRect& item) {
    const markup::Rect& r = item.rect;
    const markup::Thickness& t = item.thickness;
    const QColor colour = FromBgr(item.colour);
    painter.fillRect(QRectF(r.x, r.y, r.width, t.top), colour);
    painter.fillRect(QRectF(r.x, r.y + r.height - t.bottom, r.width, t.bottom), colour);
    painter.fillRect(QRectF(r.x, r.y + t.top, t.left, r.height - t.top - t.bottom), colour);
    painter.fillRect(
        QRectF(r.x + r.width - t.right, r.y + t.top, t.right, r.height - t.top - t.bottom), colour);
}

} // namespace

MarkupLabel::MarkupLabel(QWidget* parent)
    : QAbstractScrollArea(parent), document(markup::Parse(u"")) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
}

void MarkupLabel::SetMarkup(std::u16string_view text) {
    caption = text;
    document = markup::Parse(caption);
    verticalScrollBar()->setValue(0);
    Relayout();
}

QString MarkupLabel::PlainText() const {
    return ToQString(markup::PlainText(document));
}

void MarkupLabel::SetScheme(const ColourScheme& scheme, uint32_t background) {
    look.SetScheme(scheme, background);
    Relayout();
}

void MarkupLabel::SetStyle(std::u16string family, double points, double dotsPerInch) {
    look.SetFont(std::move(family), points, dotsPerInch);
    Relayout();
}

QString MarkupLabel::Markup() const {
    return ToQString(caption);
}

void MarkupLabel::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

void MarkupLabel::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (!event->spontaneous())
        Relayout();
}

void MarkupLabel::scrollContentsBy(int, int) {
    viewport()->update();
}

void MarkupLabel::Relayout() {
    // A window is built, coloured, captioned and sized before it shows: a hidden label is
    // laid out once, when it shows.
    if (!isVisible())
        return;
    const QSize area = contentsRect().size();
    const markup::ScrollingLayout layout =
        markup::LayoutScrolling(document, area.width(), area.height(),
                                verticalScrollBar()->sizeHint().width(), *this, look.Theme());
    display = layout.display;
    look.Colour(display);
    setVerticalScrollBarPolicy(layout.scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, layout.scrollRange);
    bar->setPageStep(area.height());
    bar->setSingleStep(std::max(1, area.height() / 10));
    viewport()->update();
}

void MarkupLabel::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(0, -verticalScrollBar()->value());
    for (const markup::DisplayItem& item : display.items) {
        std::visit(
            [&](const auto& shape) {
                if constexpr (std::is_same_v<std::decay_t<decltype(shape)>, markup::TextRun>) {
                    painter.setFont(FontOf(shape.font));
                    painter.setPen(FromBgr(shape.colour));
                    painter.drawText(QPointF(shape.x, shape.baseline), ToQString(shape.text));
                } else {
                    Paint(painter, shape);
                }
            },
            item);
    }
}

QFont MarkupLabel::FontOf(const markup::Font& font) {
    const auto key = std::make_tuple(font.family, font.pixelSize, font.bold);
    auto found = fonts.find(key);
    if (found != fonts.end())
        return found->second;
    QFont qtFont(InstalledFamily(font.family));
    qtFont.setPointSizeF(std::max(1.0, font.pixelSize * 72.0 / logicalDpiY()));
    qtFont.setBold(font.bold);
    return fonts.emplace(key, qtFont).first->second;
}

double MarkupLabel::Width(std::u16string_view text, const markup::Font& font) {
    auto key = std::make_tuple(font.family, font.pixelSize, font.bold, std::u16string(text));
    auto found = widths.find(key);
    if (found != widths.end())
        return found->second;
    const double width = QFontMetricsF(FontOf(font), viewport()).horizontalAdvance(ToQString(text));
    return widths.emplace(std::move(key), width).first->second;
}

markup::FontMetrics MarkupLabel::Metrics(const markup::Font& font) {
    const QFontMetricsF metrics(FontOf(font), viewport());
    return {.ascent = metrics.ascent(),
            .descent = metrics.descent(),
            .lineHeight = metrics.lineSpacing()};
}

} // namespace ui::qt
