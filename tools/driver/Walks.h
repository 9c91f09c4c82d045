#pragma once

#include "ScriptedUser.h"

#include <QString>

namespace driver {

// What a walk saw, and where it saved the windows' pictures (no folder: none saved).
struct RequestWalk {
    QString problem{}, name{}, phone{};
    QString pictures{};
    QString shownId{};          // the main window's ID label
    QString title{}, message{}; // the box that ended the request
    QString progress{};         // the support form's progress text then
    QString number{};           // the incident number, when one was given
};

struct LookupWalk {
    QString number{};
    QString pictures{};
    QString markup{}; // what the result label shows
};

// Terms accepted, the support form filled and sent, the answer read and closed; the
// program then ends by itself.
void WalkRequest(ScriptedUser& user, RequestWalk& walk);
// Terms accepted, the lookup dialog opened, the number typed and Enter pressed, the
// status read; then the main window is closed, which ends the program.
void WalkLookup(ScriptedUser& user, LookupWalk& walk);

} // namespace driver
