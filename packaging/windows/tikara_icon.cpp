// Writes the program's clock icon as a Windows icon file, for the resource of tikara.exe:
//   tikara_icon OUT.ico
// Each size is stored as a PNG picture, which Windows reads in icons since Vista.
#include "app/Pictures.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>

#include <cstdio>

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
    if (argc != 2) {
        std::fprintf(stderr, "usage: tikara_icon OUT.ico\n");
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(iconFile()) < 0) {
        std::fprintf(stderr, "tikara_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
