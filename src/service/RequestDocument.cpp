#include "service/RequestDocument.h"

#include "service/RequestTemplates.h"

namespace service {

namespace {

bool NeedsPercentEscape(char16_t c) {
    switch (c) {
    case u'%':
    case u'#':
    case u'"':
    case u'&':
    case u'+':
        return true;
    default:
        return c < 0x20 || c == 0x7F;
    }
}

void AppendPercentEscape(std::u16string& out, char16_t c) {
    constexpr std::u16string_view Hex = u"0123456789ABCDEF";
    out += u'%';
    out += Hex[(c >> 4) & 0xF];
    out += Hex[c & 0xF];
}

const Placeholder* PlaceholderAt(std::u16string_view rest,
                                 std::initializer_list<Placeholder> placeholders) {
    for (const Placeholder& placeholder : placeholders)
        if (rest.starts_with(placeholder.name))
            return &placeholder;
    return nullptr;
}

} // namespace

std::u16string EscapeDocumentString(std::u16string_view value) {
    std::u16string escaped;
    escaped.reserve(value.size());
    for (char16_t c : value) {
        switch (c) {
        case u'\\':
            escaped += u"\\\\";
            break;
        case u'\'':
            escaped += u"\\u0027";
            break;
        case u'\n':
            escaped += u"\\n";
            break;
        case u'\r':
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::u16string FillTemplate(std::u16string_view documentTemplate,
                            std::initializer_list<Placeholder> placeholders) {
    std::u16string filled;
    for (size_t at = 0; at < documentTemplate.size();) {
        const Placeholder* placeholder = PlaceholderAt(documentTemplate.substr(at), placeholders);
        if (placeholder) {
            filled += placeholder->value;
            at += placeholder->name.size();
        } else {
            filled += documentTemplate[at++];
        }
    }
    return filled;
}

std::u16string PercentEncodeDocument(std::u16string_view document) {
    std::u16string encoded;
    encoded.reserve(document.size());
    for (char16_t c : document) {
        if (NeedsPercentEscape(c))
            AppendPercentEscape(encoded, c);
        else
            encoded += c;
    }
    return encoded;
}

std::u16string ServiceUrl(const session::Context& context, std::u16string_view document) {
    return u"http://" + context.config.serviceHost + std::u16string(ServicePath) + u"?" +
           PercentEncodeDocument(document);
}

} // namespace service
