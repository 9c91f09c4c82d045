#include "ui/ViewEvents.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace ui {
namespace {

// What the window's behaviour hears, as "event control" words.
struct Heard : FormEvents {
    void Click(ControlId c) override { Note("click", c); }
    void MouseMove(ControlId c) override { Note("move", c); }
    void MouseDown(ControlId c) override { Note("down", c); }
    void MouseUp(ControlId c) override { Note("up", c); }
    void Note(const char* event, ControlId c) {
        if (c.name == u"Bad")
            throw std::runtime_error("falla");
        log += std::string(event) + " " + std::string(c.name.begin(), c.name.end()) + ";";
    }
    std::string log;
};

const FormTable Form{.controls = {{.name = u"Link", .link = true, .tracksPointer = true},
                                  {.name = u"Next", .link = true},
                                  {.name = u"Plain", .tabIndex = 1},
                                  {.name = u"Pic",
                                   .kind = ControlKind::Picture,
                                   .place = {150, 150, 300, 150},
                                   .tracksPointer = true},
                                  {.name = u"Top",
                                   .kind = ControlKind::Picture,
                                   .place = {300, 150, 150, 150},
                                   .tabIndex = 1,
                                   .tracksPointer = true},
                                  {.name = u"Bad", .tabIndex = 0, .link = true}}};

// What the user reads when a handler fails with the text "falla".
constexpr std::u16string_view FailureFalla =
    u"No se ha podido completar la operación por un error inesperado. Puede seguir usando el "
    u"programa; si el error se repite, póngase en contacto con el servicio técnico.\r\n\r\n"
    u"Detalle: falla";

TEST(ViewEventsTest, TheSharedRulesOfPointerAndFailures) {
    const ControlId link{u"Link"}, next{u"Next"}, plain{u"Plain"}, bad{u"Bad"};
    const struct {
        std::function<void(ViewEvents&)> user;
        std::string heard;
        int reports;
    } rows[] = {
        {[&](ViewEvents& e) { e.Pressed(link), e.Released(link, true); },
         "down Link;up Link;click Link;", 0},
        {[&](ViewEvents& e) { e.Pressed(link), e.Released(link, false); }, "down Link;up Link;", 0},
        {[&](ViewEvents& e) { e.Released(link, true); }, "up Link;", 0},
        {[&](ViewEvents& e) { e.Pressed(link), e.Released(next, true); }, "down Link;up Next;", 0},
        {[&](ViewEvents& e) { e.Pressed(plain), e.Released(plain, true); }, "", 0},
        {[&](ViewEvents& e) { e.PointerMoved(plain), e.PointerMoved(next), e.PointerMoved({}); },
         "move ;", 0},
        {[&](ViewEvents& e) { e.PointerMoved(e.PictureAt(20, 10, 96)); }, "move Top;", 0},
        {[&](ViewEvents& e) {
             e.PointerMoved(e.PictureAt(30, 10, 96)), e.PointerMoved(e.PictureAt(19, 10, 96));
         },
         "move ;move Pic;", 0},
        {[&](ViewEvents& e) { e.PointerMoved(e.PictureAt(10, 9, 96)); }, "move ;", 0},
        {[&](ViewEvents& e) { e.PointerMoved(e.PictureAt(10, 10, 96)); }, "move Pic;", 0},
        {[&](ViewEvents& e) { e.Pressed(bad), e.Released(bad, true), e.Clicked(link); },
         "click Link;", 3},
        {[&](ViewEvents& e) { e.Clicked({u"Gone"}), e.Clicked(link); }, "click Gone;click Link;",
         0},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        Heard heard;
        int reports = 0;
        ViewEvents events(Form, heard,
                          [&](std::u16string_view text) { reports += text == FailureFalla; });
        rows[i].user(events);
        EXPECT_EQ(heard.log, rows[i].heard) << "row " << i;
        EXPECT_EQ(reports, rows[i].reports) << "row " << i;
    }
    EXPECT_EQ(ViewEvents::PointerOver(Form.controls[0]), Pointer::Hand);
    EXPECT_EQ(ViewEvents::PointerOver(Form.controls[2]), Pointer::Arrow);
}

} // namespace
} // namespace ui
