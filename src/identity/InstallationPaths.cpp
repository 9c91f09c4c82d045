#include "identity/InstallationPaths.h"

#include <initializer_list>
#include <string_view>

namespace identity {

namespace {

std::u16string UnderInstallDir(const session::Context& context,
                               std::initializer_list<std::u16string_view> parts) {
    std::u16string path = InstallDir(context);
    for (std::u16string_view part : parts) {
        path += context.config.pathSeparator;
        path += part;
    }
    return path;
}

} // namespace

std::u16string InstallDir(const session::Context& context) {
    return context.config.installDir;
}

std::u16string IniFilePath(const session::Context& context) {
    return UnderInstallDir(context, {u"Velmorn3.ini"});
}

std::u16string DatabaseFilePath(const session::Context& context) {
    return UnderInstallDir(context, {u"DATOS", u"EMP1", u"velmorn3."}) + u"fdb";
}

std::u16string ClientLibraryPath(const session::Context& context) {
    return UnderInstallDir(context, {u"Firebird", u"Bin", u"FbClient.dll"});
}

} // namespace identity
