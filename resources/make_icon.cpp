// Draws the program's icon, a quill over a stave, and writes it as styles256.ico (16, 32, 48 and
// 256 pixels in one file) and quillory.png (256 pixels) into the folder given:
//
//   cmake --build build --target quillory-make-icon
//   build/resources/quillory-make-icon resources

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

constexpr int kSizes[] = {16, 32, 48, 256};

// The picture is drawn on a 256-unit square; small sizes get fewer and bolder lines.
QImage Draw(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    const bool small = size <= 32;

    QLinearGradient background(0, 0, 0, 256);
    background.setColorAt(0, QColor(0x2e, 0x75, 0xb6));
    background.setColorAt(1, QColor(0x12, 0x3a, 0x63));
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    // The stave; at 16 and 32 pixels three lines on whole pixels.
    const int lines = small ? 3 : 5;
    const double spacing = small ? 48 : 20;
    const double top = small ? 88 : 92;
    painter.setPen(QPen(QColor(0xf4, 0xee, 0xdc), small ? 16 : 5, Qt::SolidLine, Qt::FlatCap));
    for (int line = 0; line < lines; ++line) {
        painter.drawLine(QPointF(30, top + line * spacing), QPointF(226, top + line * spacing));
    }
    if (!small) {  // a note on the stave
        painter.setPen(QPen(QColor(0x10, 0x20, 0x30), 7, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(199, 150), QPointF(199, 70));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x10, 0x20, 0x30));
        painter.save();
        painter.translate(186, 154);
        painter.rotate(-25);
        painter.drawEllipse(QPointF(0, 0), 16, 11);
        painter.restore();
    }

    // The quill, drawn along the x axis from its nib and turned to point up to the right.
    painter.translate(58, 198);
    painter.rotate(-45);
    const double length = 232;
    QPainterPath vane;
    vane.moveTo(0.22 * length, 0);
    vane.cubicTo(0.40 * length, -0.17 * length, 0.78 * length, -0.21 * length, length,
                 -0.03 * length);
    vane.cubicTo(0.84 * length, 0.08 * length, 0.56 * length, 0.11 * length, 0.30 * length, 0);
    vane.closeSubpath();
    QLinearGradient feather(0, -0.2 * length, 0, 0.1 * length);
    feather.setColorAt(0, QColor(0xff, 0xff, 0xff));
    feather.setColorAt(1, QColor(0xd9, 0xd2, 0xbd));
    painter.setBrush(feather);
    painter.setPen(QPen(QColor(0x5a, 0x4a, 0x2a), small ? 8 : 3));
    painter.drawPath(vane);
    if (!small) {  // barbs
        painter.setPen(QPen(QColor(0xb8, 0xad, 0x8f), 2));
        for (double x = 0.38; x < 0.9; x += 0.09) {
            painter.drawLine(QPointF(x * length, 0), QPointF((x + 0.07) * length, -0.12 * length));
        }
    }
    painter.setPen(QPen(QColor(0xc8, 0x9b, 0x3c), small ? 9 : 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14, 0), QPointF(0.95 * length, -0.015 * length));
    QPainterPath nib;
    nib.moveTo(0, 0);
    nib.lineTo(22, small ? -9 : -6);
    nib.lineTo(22, small ? 9 : 6);
    nib.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1a, 0x1a, 0x1a));
    painter.drawPath(nib);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Writes the bitmap's transparency mask anew after its 40-byte header and 32-bit pixels: one
// bit per pixel, set where the pixel is transparent, rows from the bottom up and padded to
// 4 bytes. Qt leaves the padding as it found it, which would make every icon file differ.
void WriteMask(const QImage& image, QByteArray& bitmap) {
    const int stride = (image.width() + 31) / 32 * 4;
    const qsizetype start = 40 + qsizetype(image.width()) * image.height() * 4;
    bitmap.resize(start + stride * image.height());
    for (int y = 0; y < image.height(); ++y) {
        char* row = bitmap.data() + start + (image.height() - 1 - y) * stride;
        std::fill(row, row + stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
    }
}

// Qt writes one image per ICO file; the icon directory of several is put together from them:
// a 6-byte header, a 16-byte entry per image (its last 8 bytes the data's size and offset), the
// data. The 256-pixel picture goes in as PNG, as current icon files hold it; the small ones stay
// bitmaps, which every reader knows.
QByteArray IconFile(const QList<QImage>& images) {
    QList<QByteArray> entries;
    QList<QByteArray> data;
    for (const QImage& image : images) {
        QBuffer single;
        single.open(QIODevice::WriteOnly);
        if (!QImageWriter(&single, "ico").write(image)) {
            return {};
        }
        entries.append(single.data().mid(6, 16));
        data.append(single.data().mid(6 + 16));
        if (image.width() < 256) {
            WriteMask(image, data.back());
        } else {
            QBuffer png;
            png.open(QIODevice::WriteOnly);
            image.save(&png, "PNG");
            data.back() = png.data();
        }
    }
    QByteArray file(6, '\0');
    qToLittleEndian<quint16>(1, file.data() + 2);
    qToLittleEndian<quint16>(images.size(), file.data() + 4);
    quint32 offset = 6 + 16 * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        qToLittleEndian<quint32>(data[i].size(), entries[i].data() + 8);
        qToLittleEndian<quint32>(offset, entries[i].data() + 12);
        file.append(entries[i]);
        offset += data[i].size();
    }
    for (const QByteArray& bytes : data) {
        file.append(bytes);
    }
    return file;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// Reads the icon back and checks that every size is there.
bool CheckIcon(const QString& path) {
    QImageReader reader(path, "ico");
    if (reader.imageCount() != static_cast<int>(std::size(kSizes))) {
        return false;
    }
    for (const int size : kSizes) {
        const QImage image = reader.read();
        if (image.width() != size || image.height() != size || !image.hasAlphaChannel()) {
            return false;
        }
        reader.jumpToNextImage();
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillory-make-icon FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QList<QImage> images;
    for (const int size : kSizes) {
        images.append(Draw(size));
    }
    const QString icon = folder + "/styles256.ico";
    const QString png = folder + "/quillory.png";
    if (!WriteFile(icon, IconFile(images)) || !images.back().save(png, "PNG") || !CheckIcon(icon)) {
        std::fprintf(stderr, "quillory-make-icon: could not write %s and %s\n", qPrintable(icon),
                     qPrintable(png));
        return 1;
    }
    std::printf("wrote %s and %s\n", qPrintable(icon), qPrintable(png));
    return 0;
}
