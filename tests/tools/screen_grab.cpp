// screen_grab FILE: saves the whole X screen as a PNG picture, for looking at
// what the end-to-end scripts saw.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: screen_grab FILE\n");
    return 2;
  }
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "screen_grab: cannot save %s\n", argv[1]);
    return 1;
  }
  return 0;
}
