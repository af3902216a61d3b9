#include "card_look.h"

#include <QImageReader>
#include <QString>

#include "game/rule_index.h"
#include "shell/main_game.h"
#include "table/custom_card_set.h"

namespace velmora {
namespace {

constexpr std::string_view kCaption = "Velmora 2001";

int StoredNumber(const ConfigStore& store, StoreItem item, int fallback) {
  const auto value = store.readNumber(item);
  return value && *value > 0 ? static_cast<int>(*value) : fallback;
}

// The custom set's card size letter; none, after telling the player, when
// the picture cannot be used.
std::optional<char> CheckCustomSet(TMainGame& game, const std::filesystem::path& file) {
  const QImageReader reader(QString::fromStdString(file.string()));
  const QSize size = reader.size();
  std::optional<CustomSetProblem> problem;
  std::optional<char> letter;
  if (!reader.canRead())
    problem = std::filesystem::exists(file) ? CustomSetProblem::WrongSize : CustomSetProblem::Missing;
  else if (!(letter = CustomCardSetSize(size.width(), size.height())))
    problem = CustomSetProblem::WrongSize;
  if (!problem) return letter;
  game.ui().showMessage(kCaption, CustomCardSetMessage(*problem, file), GameUi::Icon::Warning);
  DropCustomCardSet(game, true);
  return std::nullopt;
}

}  // namespace

CardLook ChooseCardLook(TMainGame& game, qreal devicePixelRatio) {
  ConfigStore& store = game.store();
  CardLook look;
  const std::string size = store.read(store::CardSize);
  look.sizeLetter = size.empty() ? 'B' : size.front();
  look.everySuitFromSpades = game.rules()[rule::OneSuitFaces] == 1;
  look.devicePixelRatio = devicePixelRatio;
  if (const auto file = ChosenCustomCardSet(game)) {
    if (const auto letter = CheckCustomSet(game, *file)) {
      look.customSet = *file;
      look.sizeLetter = *letter;
      store.write(store::CardSize, std::string(1, *letter));
    }
  }
  look.cardSet = StoredNumber(store, store::CardSet, 1);
  look.deck = StoredNumber(store, store::BackCard, 11);
  return look;
}

}  // namespace velmora
