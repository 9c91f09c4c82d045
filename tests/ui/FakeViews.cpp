#include "FakeViews.h"

namespace ui::test_support {

FakeView::FakeView(const FormSpec& form, FormEvents& events, FakeViews& views)
    : name(form.name), events(events), views(views) {
    for (const ControlSpec& control : form.controls)
        controls[{std::u16string(control.name), control.index}] = {
            .caption = control.caption, .visible = control.visible, .colour = control.foreColour};
}

void FakeView::SetCaption(ControlId control, std::u16string_view caption) {
    (*this)[control].caption = caption;
    (*this)[control].captions.emplace_back(caption);
}

void FakeView::Show(FormView* ownerView) {
    owner = ownerView;
    views.log.push_back(u"show " + name);
}

void FakeView::ShowModal() {
    views.log.push_back(u"modal " + name);
    if (views.onModal.count(name))
        views.onModal[name](*this);
}

void FakeView::BringToFront() {
    views.log.push_back(u"front " + name);
}

void FakeView::Close() {
    closed = true;
    views.log.push_back(u"close " + name);
}

std::unique_ptr<FormView> FakeViews::CreateView(const FormSpec& form, FormEvents& events) {
    auto view = std::make_unique<FakeView>(form, events, *this);
    views[std::u16string(form.name)] = view.get();
    return view;
}

} // namespace ui::test_support
