#include "catalogue/find_game.h"


#include "catalogue/catalogue.h"
#include "text/fixed_text.h"

namespace velmora {

int FindGame(const Catalogue& catalogue, std::string_view wanted) {
  if (const auto number = ParseInteger(wanted); number && catalogue.Knows(static_cast<int>(*number)))
    return static_cast<int>(*number);
  return catalogue.GameNumberByName(wanted);
}

}  // namespace velmora
