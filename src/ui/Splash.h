#pragma once

#include "ui/Form.h"

#include <cstdint>

namespace ui {

// The terms-of-use screen: the user authorises remote control before anything else runs.
class Splash : public Form {
public:
    explicit Splash(Windows& windows);

    // Shows the screen modally; true only when the user ticked the box and continued.
    bool Seguir();

    // Set by the continue button; read after the window has gone.
    int16_t AcceptedTerms = 0;

    void Click(ControlId control) override;

protected:
    void OnLoad() override;
};

} // namespace ui
