// Redrawing the whole table image (background, marks, every card with its
// shadow) for dealt games: at the cards' own size, and fitted to windows up to
// 3840 x 2160; the work behind every repaint of the table after a move. Also
// a drag's frame, and a resize of the window until the table is repainted.
#include <QApplication>
#include <QTest>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "catalogue/catalogue_startup.h"
#include "game/new_game.h"
#include "layout/card_place.h"
#include "qt_game_ui.h"
#include "resource_store.h"
#include "shell/main_game.h"
#include "table/prepare_game.h"
#include "table_view.h"
#include "bench_support.h"

namespace {

using Clock = std::chrono::steady_clock;

using velmora::bench::Median;

// Milliseconds per whole redraw, median of several batches.
double RedrawMilliseconds(velmora::TableView& table) {
  constexpr int kBatches = 9;
  constexpr int kRedrawsPerBatch = 20;
  std::vector<double> batches;
  for (int b = 0; b < kBatches; ++b) {
    const auto start = Clock::now();
    for (int i = 0; i < kRedrawsPerBatch; ++i) table.redraw();
    batches.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count() / kRedrawsPerBatch);
  }
  return Median(batches);
}

// One frame of a drag: the pointer moves and the window repaints the
// carried cards over the table; milliseconds, median of the frames.
double DragFrameMilliseconds(velmora::TMainGame& game, velmora::TableView& table) {
  using namespace velmora;
  const PileRef pile{PileGroup::Tableau, 0};
  const int top = static_cast<int>(game.piles().pile(pile).size()) - 1;
  const TablePoint card = CardPlace(game.layout(), game.rules(), game.piles(), game.cards(), pile, top, nullptr);
  const QPoint grab = table.toViewport({card.x + 20, card.y + 20}).toPoint();
  QWidget* surface = table.viewport();
  QTest::mousePress(surface, Qt::LeftButton, {}, grab);
  std::vector<double> frames;
  for (int i = 1; i <= 200; ++i) {
    const auto start = Clock::now();
    QTest::mouseMove(surface, grab + QPoint(3 * (i % 100), 2 * (i % 100)));
    surface->repaint();
    frames.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  QTest::mouseRelease(surface, Qt::LeftButton, {}, grab);
  return Median(frames);
}

// The window is resized by a few pixels, back and forth, and the table laid
// out and repainted: milliseconds per resize, median of several.
double ResizeMilliseconds(velmora::TableView& table, QSize size) {
  constexpr int kResizes = 21;
  std::vector<double> resizes;
  for (int i = 0; i < kResizes; ++i) {
    const QSize next = i % 2 ? size : size - QSize(16, 12);
    const auto start = Clock::now();
    table.resize(next);
    table.viewport()->repaint();
    resizes.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return Median(resizes);
}

// Once a resize has settled, the sharp cards at the new size: milliseconds.
double SharpCardsMilliseconds(velmora::TableView& table) {
  const auto start = Clock::now();
  table.drawSharpCards();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  velmora::ResourceStore resources;
  if (!resources.open(QStringLiteral(VELMORA_PROGRAM_DIR "/SOL.RGF"))) {
    std::fprintf(stderr, "bench_render: cannot open the resource bundle\n");
    return 1;
  }
  QTemporaryDir data;
  velmora::QtGameUi ui(resources);
  velmora::TMainGame game(velmora::Folders(VELMORA_PROGRAM_DIR, data.path().toStdString()), ui);
  if (velmora::LoadCatalogueFiles(game.catalogue(), game.data())) return 1;

  struct Case {
    const char* game;
    const char* name;
  };
  struct Size {
    int width;
    int height;
  };
  for (const Case& c : {Case{"Spider (four suits)", "spider4"}, Case{"FreeCell", "freecell"}, Case{"Klondike (draw one)", "klondike"}}) {
    for (const Size size : {Size{1280, 800}, Size{1920, 1080}, Size{3840, 2160}}) {
      for (const bool fitted : {false, true}) {
        if (velmora::DealNamedGame(game, c.game, "1", {size.width, true})) return 1;
        velmora::TableView table(game, resources);
        table.setZoom(fitted ? velmora::TableZoom::Fitted() : velmora::TableZoom::Fixed(1));
        table.resize(size.width, size.height);
        table.show();
        QApplication::processEvents();
        table.drawSharpCards();
        if (table.tableImage().deviceIndependentSize().toSize() != table.viewport()->size() ||
            table.viewport()->width() != size.width)
          return 1;
        const char* fit = fitted ? "_fit" : "";
        std::printf("render_%s%s_%dx%d %.3f ms\n", c.name, fit, size.width, size.height, RedrawMilliseconds(table));
        std::printf("drag_frame_%s%s_%dx%d %.3f ms\n", c.name, fit, size.width, size.height,
                    DragFrameMilliseconds(game, table));
        if (!fitted) continue;
        std::printf("resize_repaint_%s_fit_%dx%d %.3f ms\n", c.name, size.width, size.height,
                    ResizeMilliseconds(table, QSize(size.width, size.height)));
        std::printf("sharp_cards_%s_fit_%dx%d %.3f ms\n", c.name, size.width, size.height,
                    SharpCardsMilliseconds(table));
      }
    }
  }
  return 0;
}
