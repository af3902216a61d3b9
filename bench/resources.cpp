// How long the program takes to register SOL.RGF and to cut the pictures of
// one card set and size (53 faces and the empty-pile marks) as it does when
// a game is prepared; and how large the bundle is. Medians of several runs.
#include <QFileInfo>
#include <QGuiApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "card_pictures.h"
#include "resource_store.h"
#include "bench_support.h"

namespace {

constexpr int kRuns = 15;

using velmora::bench::Median;

double Milliseconds(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e6; }

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString bundle = QStringLiteral(VELMORA_PROGRAM_DIR "/SOL.RGF");
  std::vector<double> registering, cutting, cuttingDense;
  for (int run = 0; run < kRuns; ++run) {
    velmora::ResourceStore store;
    QElapsedTimer timer;
    timer.start();
    if (!store.open(bundle)) {
      std::fprintf(stderr, "cannot open %s\n", qPrintable(bundle));
      return 1;
    }
    registering.push_back(Milliseconds(timer));
    for (const qreal ratio : {1.0, 2.0}) {
      timer.restart();
      const velmora::CardFaces faces = velmora::CutCardFaces(store, {'B', 1, false, ratio});
      const auto marks = velmora::LoadEmptyPileMarks(store, 'B', ratio);
      (ratio > 1 ? cuttingDense : cutting).push_back(Milliseconds(timer));
      if (faces[0].isNull() || marks.isEmpty()) return 1;
    }
  }
  const double registered = Median(registering), cut = Median(cutting);
  std::printf("resources_register %.2f ms\n", registered);
  std::printf("resources_cut_set_and_marks %.2f ms\n", cut);
  std::printf("resources_cut_set_and_marks_2x %.2f ms\n", Median(cuttingDense));
  std::printf("resources_register_and_cut %.2f ms\n", registered + cut);
  std::printf("resources_bundle_size %.0f KiB\n", QFileInfo(bundle).size() / 1024.0);
  return 0;
}
