#pragma once

#include <string>
#include <string_view>

namespace ui {

// The markup of the terms of remote assistance: sixteen lines joined with CR LF, the
// standby telephone number written into the support hours.
std::u16string TermsMarkup(std::u16string_view standbyPhone);

} // namespace ui
