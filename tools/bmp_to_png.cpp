// Picture helper of tools/example-pictures.sh: turns a button nimbrel-batch
// drew into the PNG the README shows. Built on demand, never installed.
#include <QImage>
#include <iostream>

#include "base/error.h"
#include "image/bmp_reader.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: nimbrel_bmp_to_png IN.bmp OUT.png\n";
        return 2;
    }
    try {
        const nimbrel::Bgr24Image bmp = nimbrel::loadBmpFile(argv[1]);
        const QImage image(bmp.row(0), bmp.width(), bmp.height(), static_cast<qsizetype>(bmp.stride()),
                           QImage::Format_BGR888);
        if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
            std::cerr << "nimbrel_bmp_to_png: cannot write " << argv[2] << '\n';
            return 1;
        }
    } catch (const nimbrel::Error& e) {
        std::cerr << "nimbrel_bmp_to_png: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
