#include "platform/Utf8Text.h"

namespace platform {

std::string EncodeUtf8(Os& os, std::u16string_view text) {
    return os.WideCharToMultiByte(CodePageUtf8, text);
}

std::u16string Utf8ByteText(Os& os, std::u16string_view text) {
    std::u16string result;
    for (char byte : EncodeUtf8(os, text))
        result += os.MultiByteToWideChar(CodePageAnsi, std::string_view(&byte, 1));
    return result;
}

} // namespace platform
