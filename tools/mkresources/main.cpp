// mkresources: draws every picture, pointer and sound of the program into a
// staging folder, with the collection file that is packed into SOL.RGF.
//   mkresources STAGE_FOLDER CARD_DECK_FOLDER
#include <QGuiApplication>

#include "bundle_writer.h"
#include "card_art.h"
#include "card_sheets.h"
#include "dialog_pictures.h"
#include "pointers.h"
#include "sounds.h"
#include "table_pieces.h"
#include "textures.h"
#include "toolbar_glyphs.h"

using namespace velmora::mkres;

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 3) {
    qWarning("usage: mkresources STAGE_FOLDER CARD_DECK_FOLDER");
    return 2;
  }
  // The same sources must give the same pictures on every machine.
  if (const auto missing = velmora::art::MissingFontFile()) {
    qWarning("mkresources: cannot load the font %s", qPrintable(*missing));
    return 1;
  }
  BundleWriter bundle(args[1]);
  bool complete = StageCardSheets(bundle, args[2]);
  StageTablePieces(bundle);
  StageBackgrounds(bundle);
  StageToolbarGlyphs(bundle);
  StagePanelPictures(bundle);
  StageCardCounterPictures(bundle);
  StageGameTreeIcons(bundle);
  StageDescriptionIcons(bundle);
  StagePointers(bundle);
  StageSounds(bundle);
  complete = bundle.finish() && complete;
  return complete ? 0 : 1;
}
