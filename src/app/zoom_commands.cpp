#include "zoom_commands.h"

#include <QAction>

#include "commands.h"
#include "files/ini_document.h"
#include "main_window.h"
#include "shell/main_game.h"
#include "shell/preference_keys.h"
#include "table_view.h"

namespace velmora {
namespace {

constexpr std::string_view kZoomKey = "Table_Zoom";

void ApplyZoom(MainWindow& window, TableView& table, TMainGame& game, const TableZoom& zoom) {
  table.setZoom(zoom);
  window.action(Command::FitToWindow)->setChecked(zoom.fit);
  const std::string text = ZoomPreference(zoom).toStdString();
  game.preferences().update([&](IniDocument& file) { file.write(kPreferenceSection, kZoomKey, text); });
}

}  // namespace

void ConnectZoomCommands(MainWindow& window, TableView& table, TMainGame& game) {
  const IniDocument file = game.preferences().open();
  const TableZoom zoom = ZoomFromPreference(QString::fromStdString(file.readString(kPreferenceSection, kZoomKey, "")));
  table.setZoom(zoom);
  window.action(Command::FitToWindow)->setChecked(zoom.fit);
  // The plus key without Shift, as most keyboards have it.
  window.action(Command::ZoomIn)->setShortcuts({QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});

  window.connectCommand(Command::FitToWindow, [&window, &table, &game] {
    // Switching the fit off shows the cards at their own size.
    ApplyZoom(window, table, game, table.zoom().fit ? TableZoom::Fixed(1) : TableZoom::Fitted());
  });
  window.connectCommand(Command::ZoomIn, [&window, &table, &game] {
    ApplyZoom(window, table, game, TableZoom::Fixed(ZoomedIn(table.scale())));
  });
  window.connectCommand(Command::ZoomOut, [&window, &table, &game] {
    ApplyZoom(window, table, game, TableZoom::Fixed(ZoomedOut(table.scale())));
  });
}

}  // namespace velmora
