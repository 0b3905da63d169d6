// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT

// Builds the program's icon files from storomer.xpm, the one source of the
// picture: storomer.png (32 x 32), storomer-64.png (each pixel doubled) and
// storomer.ico (32 x 32, 16 colours, as Windows shows it).
//
//   storomer_iconmaker <output folder>

#include "storomer.xpm"

#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdint>
#include <cstdio>

namespace {

void PutLe(QByteArray& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// One image of 16 colours: the BMP inside an ICO stores the rows bottom-up,
// 4 bits a pixel, then an AND mask that is all zeros because nothing is
// transparent.
QByteArray Ico(const QImage& image)
{
    const int w = image.width();
    const int h = image.height();
    const int xorRow = ((w * 4 + 31) / 32) * 4;
    const int andRow = ((w + 31) / 32) * 4;
    const std::uint32_t bitmapSize =
        40 + 16 * 4 + static_cast<std::uint32_t>((xorRow + andRow) * h);

    QByteArray out;
    PutLe(out, 0, 2); // reserved
    PutLe(out, 1, 2); // an icon
    PutLe(out, 1, 2); // one image
    out.append(static_cast<char>(w));
    out.append(static_cast<char>(h));
    out.append(static_cast<char>(16)); // colours
    out.append('\0');
    PutLe(out, 1, 2); // planes
    PutLe(out, 4, 2); // bits a pixel
    PutLe(out, bitmapSize, 4);
    PutLe(out, 6 + 16, 4);

    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(w), 4);
    PutLe(out, static_cast<std::uint32_t>(2 * h), 4); // the XOR image and the AND mask
    PutLe(out, 1, 2);
    PutLe(out, 4, 2);
    PutLe(out, 0, 4); // uncompressed
    PutLe(out, static_cast<std::uint32_t>((xorRow + andRow) * h), 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    PutLe(out, 16, 4);
    PutLe(out, 0, 4);

    for (int i = 0; i < 16; ++i) {
        const QRgb c = i < image.colorCount() ? image.color(i) : qRgb(0, 0, 0);
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(xorRow, '\0');
        for (int x = 0; x < w; ++x) {
            const int index = image.pixelIndex(x, y);
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 ? index : index << 4));
        }
        out.append(row);
    }
    out.append(QByteArray(andRow * h, '\0'));
    return out;
}

bool Write(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: storomer_iconmaker <output folder>\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QImage image = QImage(storomer_xpm).convertToFormat(QImage::Format_Indexed8);
    const QImage doubled =
        image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);

    const bool ok = image.save(out.filePath(QStringLiteral("storomer.png")), "PNG") &&
                    doubled.save(out.filePath(QStringLiteral("storomer-64.png")), "PNG") &&
                    Write(out.filePath(QStringLiteral("storomer.ico")), Ico(image));
    if (!ok) {
        std::fputs("storomer_iconmaker: could not write the icon files\n", stderr);
        return 1;
    }
    return 0;
}
