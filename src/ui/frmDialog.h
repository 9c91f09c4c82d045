#pragma once

#include "ui/Form.h"

namespace ui {

// The incident lookup: a number typed, its status shown as markup. Any number of lookups.
class frmDialog : public Form {
public:
    static constexpr int32_t EnterKey = 13;

    explicit frmDialog(Windows& windows);

    void Click(ControlId control) override;
    void KeyDown(ControlId control, int32_t keyCode) override;

protected:
    void OnLoad() override;

private:
    void Lookup();
};

} // namespace ui
