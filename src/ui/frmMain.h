#pragma once

#include "ui/Form.h"

#include <array>
#include <cstdint>

namespace ui {

// The main window: the agent's ID, the support button, three help pages, the incident
// lookup, and the close command another program may send.
class frmMain : public Form {
public:
    static constexpr int32_t LinkCount = 4;
    // Link label colours (0x00BBGGRR): normal, pointer over it, pressed.
    static constexpr uint32_t LinkNormal = 0;
    static constexpr uint32_t LinkHover = 0xFF0000;
    static constexpr uint32_t LinkPressed = 0xFF;

    explicit frmMain(Windows& windows);

    void Click(ControlId control) override;
    void MouseMove(ControlId control) override;
    void MouseDown(ControlId control) override;
    void MouseUp(ControlId control) override;
    // Exactly "Cerrar" closes the window; every other text is ignored.
    void Execute(std::u16string_view command) override;

    void ResetLinkLabels();

protected:
    void OnLoad() override;
    void OnUnload() override;

private:
    void SetLink(int32_t index, uint32_t colour);
    void SetLink(int32_t index, uint32_t colour, bool underline);
    void ShowSupportForm();
    void OpenHelpPage(std::u16string_view path);

    std::array<uint32_t, LinkCount> linkColour{};
};

} // namespace ui
