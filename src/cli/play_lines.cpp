#include "play_script.h"

#include "piles/pile_names.h"

namespace velmora::cli {

std::string PlayLineOf(const Hint& hint) {
  switch (hint.kind) {
    case HintKind::Card: return "move " + CardIdText(hint.card) + " " + PileName(hint.to);
    case HintKind::TurnUp:
    case HintKind::Discard:
    case HintKind::Press: return "press " + CardIdText(hint.card);
    case HintKind::Stock: return "stock";
  }
  return {};
}

}  // namespace velmora::cli
