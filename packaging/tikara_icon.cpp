// Writes the program's clock icon, for the builds that cannot draw it themselves:
//   tikara_icon OUT.ico         a Windows icon file, for the resource of tikara.exe; each size
//                               is stored as a PNG picture, which Windows reads since Vista
//   tikara_icon OUT.png SIZE    one picture of SIZE pixels, for the web page and its manifest
#include "app/Pictures.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace {
constexpr int Sizes[] = {16, 24, 32, 48, 256};
constexpr quint16 IconType = 1;
constexpr quint16 DirectorySize = 6;
constexpr quint16 EntrySize = 16;
constexpr quint16 BitsPerPixel = 32;

QByteArray png(int size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    clockIcon(size).save(&buffer, "PNG");
    return bytes;
}

// The directory of the pictures, then the pictures; a size of 256 is written as 0.
QByteArray iconFile()
{
    QList<QByteArray> pictures;
    for (int size : Sizes)
        pictures << png(size);
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << IconType << quint16(pictures.size());
    quint32 offset = DirectorySize + EntrySize * quint32(pictures.size());
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const auto side = quint8(Sizes[i] % 256);
        out << side << side << quint8(0) << quint8(0) << quint16(1) << BitsPerPixel
            << quint32(pictures[i].size()) << offset;
        offset += quint32(pictures[i].size());
    }
    for (const QByteArray &picture : pictures)
        out.writeRawData(picture.constData(), int(picture.size()));
    return file;
}
} // namespace

int main(int argc, char *argv[])
{
    const bool ico = argc == 2;
    const int size = argc == 3 ? std::atoi(argv[2]) : 0;
    if (!ico && (size < 16 || size > 1024)) {
        std::fprintf(stderr, "usage: tikara_icon OUT.ico | tikara_icon OUT.png SIZE (16-1024)\n");
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    const bool written = out.open(QIODevice::WriteOnly)
                         && (ico ? out.write(iconFile()) >= 0 : clockIcon(size).save(&out, "PNG"));
    if (!written) {
        std::fprintf(stderr, "tikara_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
