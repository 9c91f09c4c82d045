#pragma once

#include "session/Context.h"
#include "ui/FormTable.h"

namespace ui {

// Each window's controls as data, so that every front end builds the same window.
FormTable SplashTable();
FormTable FrmMainTable(const session::Configuration& config);
FormTable FrmExplicaTable();
FormTable FrmDialogTable();

} // namespace ui
