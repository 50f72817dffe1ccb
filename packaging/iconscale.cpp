// Writes the product icon at one hicolor size: iconscale <source.png> <size> <out.png>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCE.png SIZE OUT.png\n", argv[0]);
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&ok);
    if (source.isNull() || !ok || size <= 0) {
        std::fprintf(stderr, "iconscale: cannot read %s or bad size %s\n", argv[1], argv[2]);
        return 1;
    }
    // Icon themes expect square images with alpha, whatever the source was drawn as.
    const QImage icon = source.convertToFormat(QImage::Format_ARGB32)
                            .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!icon.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "iconscale: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
