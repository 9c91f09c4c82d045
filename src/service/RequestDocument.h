#pragma once

#include "session/Context.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace service {

// A value made to stand inside a quoted document string as it is: "\" becomes "\\", "'"
// becomes "\u0027", a line feed the two characters "\n", a carriage return is dropped.
std::u16string EscapeDocumentString(std::u16string_view value);

struct Placeholder {
    std::u16string_view name; // with its number signs: "##CODIGO##"
    std::u16string value;     // inserted as it is
};

// The template with every placeholder replaced, in one pass over the template: a value
// that holds the text of a placeholder stays as it is.
std::u16string FillTemplate(std::u16string_view documentTemplate,
                            std::initializer_list<Placeholder> placeholders);

// The characters that would cut, split or change the URL ("%", "#", """, "&", "+" and the
// control characters) as percent-escapes; everything else is left to the fetch tool.
std::u16string PercentEncodeDocument(std::u16string_view document);

// http://, the service host, the service path, "?" and the encoded document.
std::u16string ServiceUrl(const session::Context& context, std::u16string_view document);

} // namespace service
