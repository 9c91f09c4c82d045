#include "ui/FormTable.h"

#include "text/Encoding.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

const ControlEntry* FindControl(const FormTable& form, std::u16string_view name, int32_t index) {
    for (const ControlEntry& control : form.controls)
        if (control.name == name && control.index == index)
            return &control;
    return nullptr;
}

size_t ControlPosition(const FormTable& form, ControlId control) {
    if (const ControlEntry* entry = FindControl(form, control.name, control.index))
        return size_t(entry - form.controls.data());
    std::string name = text::Utf16ToUtf8(control.name);
    if (control.index != NoIndex)
        name += "(" + std::to_string(control.index) + ")";
    throw std::out_of_range("no control " + name + " in " + text::Utf16ToUtf8(form.name));
}

// Equal tab indexes keep the table's order.
std::vector<const ControlEntry*> TabOrder(const FormTable& form) {
    std::vector<const ControlEntry*> stops;
    for (const ControlEntry& control : form.controls)
        if (control.tabIndex != NoTabStop)
            stops.push_back(&control);
    std::stable_sort(stops.begin(), stops.end(),
                     [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    return stops;
}

TwipsRect PlaceInWindow(const FormTable& form, const ControlEntry& control) {
    TwipsRect place = control.place;
    if (control.container.empty())
        return place;
    const TwipsRect box =
        PlaceInWindow(form, form.controls[ControlPosition(form, {control.container})]);
    place.left += box.left;
    place.top += box.top;
    return place;
}

} // namespace ui
