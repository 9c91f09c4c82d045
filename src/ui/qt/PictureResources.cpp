#include "ui/qt/PictureResources.h"

#include "ui/qt/QtText.h"

#include <QApplication>
#include <QFile>
#include <QImage>

namespace ui::qt {

namespace {

// Our pictures are stored as PAM files: a short text header, then the pixels as they are.
// Decoding a PNG took a third of the windows' creation; these are only converted.
QImage ReadPam(const QByteArray& file) {
    int width = 0, height = 0, depth = 0, maxValue = 0;
    qsizetype at = 0;
    for (bool ended = false; !ended;) {
        const qsizetype end = file.indexOf('\n', at);
        if (end < 0)
            return {};
        const QList<QByteArray> words = file.mid(at, end - at).split(' ');
        at = end + 1;
        const QByteArray& key = words.front();
        const int value = words.size() == 2 ? words.back().toInt() : 0;
        if (key == "WIDTH")
            width = value;
        else if (key == "HEIGHT")
            height = value;
        else if (key == "DEPTH")
            depth = value;
        else if (key == "MAXVAL")
            maxValue = value;
        ended = key == "ENDHDR";
    }
    const bool alpha = depth == 4;
    if (width <= 0 || height <= 0 || (depth != 3 && !alpha) || maxValue != 255 ||
        file.size() - at < qsizetype(width) * height * depth)
        return {};
    const QImage pixels(reinterpret_cast<const uchar*>(file.constData() + at), width, height,
                        qsizetype(width) * depth,
                        alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    // The conversion copies the pixels out of the file's bytes, into the screen's format.
    return pixels.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied
                                        : QImage::Format_RGB32);
}

QPixmap ReadPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QPixmap::fromImage(ReadPam(file.readAll()));
}

} // namespace

QPixmap LoadPicture(std::u16string_view picture) {
    const QString name = QStringLiteral(":/pictures/") + ToQString(picture);
    if (qApp->devicePixelRatio() <= 1)
        return ReadPicture(name + QStringLiteral(".pam"));
    QPixmap sharp = ReadPicture(name + QStringLiteral("@2x.pam"));
    sharp.setDevicePixelRatio(2);
    return sharp;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(ReadPicture(QStringLiteral(":/pictures/program-icon-%1.pam").arg(size)));
    return icon;
}

} // namespace ui::qt
