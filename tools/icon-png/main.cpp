// tessel-icon-png SVG SIZE OUT.png: draws the SVG picture into a square PNG of SIZE pixels, for
// the icon theme's fixed sizes. Runs on Qt's offscreen platform, without a display.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 4) {
    std::cerr << "usage: tessel-icon-png SVG SIZE OUT.png\n";
    return 1;
  }
  const int size = std::stoi(argv[2]);
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  if (!renderer.isValid() || size <= 0) {
    std::cerr << "tessel-icon-png: cannot draw " << argv[1] << "\n";
    return 1;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::cerr << "tessel-icon-png: cannot write " << argv[3] << "\n";
    return 1;
  }
  return 0;
}
