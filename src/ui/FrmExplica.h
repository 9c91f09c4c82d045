#pragma once

#include "ui/Form.h"

#include <string>

namespace ui {

// The support-request form: the problem, a name and a telephone, and the request that
// files the incident and then closes the program, leaving the agent running.
class FrmExplica : public Form {
public:
    explicit FrmExplica(Windows& windows);

    void Click(ControlId control) override;

    // The request after the continue button's preparations: the old reply goes, an open
    // incident is looked for, the agent is started for a new one, the incident is filed
    // and the user is told its number or the failure.
    void RequestSupport();

private:
    void Continue();
    void ShowProgress(std::u16string_view text);
    void TellResult(const std::u16string& number);
};

} // namespace ui
