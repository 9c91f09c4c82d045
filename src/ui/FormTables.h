#pragma once

#include "app/Context.h"
#include "ui/FormSpec.h"

namespace ui {

// Each window's controls as data, so that every front end builds the same window.
FormSpec SplashTable();
FormSpec FrmMainTable(const app::Configuration& config);
FormSpec FrmExplicaTable();
FormSpec FrmDialogTable();

} // namespace ui
