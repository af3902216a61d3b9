#pragma once
// Whether a card may be taken from where it lies, and whether the moving unit
// it heads (the card and every card above it in its pile) may be put on a
// pile. Every answer is read from the rule record, the piles and the faces of
// the cards; nothing here changes the table.
//
// A MoveRules answers for the position it was made for (or last refreshed
// on): make one, ask as often as needed, and refresh it after the piles
// change. No question allocates memory.
#include <span>
#include <string_view>

#include "cards/card_table.h"
#include "families/game_family.h"
#include "moves/card_places.h"
#include "piles/pile_store.h"
#include "rules/rule_record.h"
#include "shell/game_ui.h"

namespace velmora {

// The cards that move together: the taken card and the cards above it.
struct MovingUnit {
  CardId bottom = kNoCard;
  CardId top = kNoCard;
  CardPlace from;
  std::span<const CardId> cards;  // bottom first
  int size() const { return static_cast<int>(cards.size()); }  // 0 when the card lies nowhere
};

// The counts of the game so far that a few building codes read: the stock's
// deals (undo and redo carry them) and the passes through the stock.
struct PlayCounts {
  int deals = 0;
  int passes = 0;
};

struct ProgramState;
// The counts as the game keeps them.
PlayCounts CountsOf(const ProgramState& state);

// What a press on a card may do.
enum class TakeAnswer { Refused, Take, TurnFaceUp };

// The arguments of the core building test. `top` is 0 for an empty pile;
// `placing` is false when the unit sequence check asks.
struct BuildCase {
  CardId top = kNoCard;
  CardId card = kNoCard;
  int emptyRule = -1;
  bool placing = true;
  int pile = 0;  // 0-based index of the destination in its group
  bool wrapAllowed = false;
  bool toFoundation = false;  // true for foundations and reserves
  bool toReserve = false;
  int code = 0;
  int direction = 0;  // 0 down, 1 up, 2 up or down
  int baseRank = -1;
};

class MoveRules {
 public:
  // `reportTo` receives the messages of refusals the player must be told of;
  // hints and tools leave it out and get the same answers quietly. Without a
  // `family` the rules' own family (rule 51) answers the family's questions.
  // `counts` are the game's; a position read without a game counts none.
  MoveRules(const RuleRecord& rules, const PileStore& piles, const CardTable& cards,
            const GameFamily* family = nullptr, GameUi* reportTo = nullptr, PlayCounts counts = {});

  // Reads the piles again after they changed.
  void refresh();

  const RuleRecord& rules() const { return rules_; }
  const PileStore& piles() const { return piles_; }
  int locationOf(CardId card) const { return places_.locationOf(card); }
  const CardPlace& placeOf(CardId card) const { return places_.of(card); }
  MovingUnit unitOf(CardId card) const;
  // The unit's card ids, bottom first; empty when the card lies nowhere.
  std::span<const CardId> unitCards(CardId card) const;

  // `name` is "Dest", "Fila" or "Appogg" and a 1-based number; any other pile refuses.
  bool canPlace(CardId card, std::string_view name) const;
  bool canPlace(CardId card, PileRef pile) const;
  // The same for a unit already looked up: what a search over many piles asks.
  bool canPlace(const MovingUnit& unit, PileRef pile) const;
  bool canBuildOnFoundation(int k, CardId card) const;
  bool canBuildOnTableau(int i, CardId card) const;
  bool canBuildOnReserve(int n, CardId card) const;  // n 1-based, as reserves are numbered in the rules

  TakeAnswer canTake(CardId card, std::string_view name) const;
  TakeAnswer canTake(CardId card, PileRef pile) const;

  bool buildTest(const BuildCase& test) const;
  // Each card of the unit stands on the one below it by the rules of tableau pile i.
  bool unitIsSequence(CardId card, int i) const;
  // The same for any cards, bottom first: each pair is tested on its own, so
  // a run is in sequence when its lowest pair and the run above it are.
  bool sequenceHolds(std::span<const CardId> unit, int i) const;
  // The unit is not larger than rule 13 allows, counting free cells and empty piles.
  bool unitSizeAllowed(CardId card, bool toEmptyPile) const;
  // The group layouts: the piles or reserves before or after the card's must be empty.
  bool groupTestAllows(CardId card) const;

  int foundationsInUse() const { return foundations_; }
  int tableauInUse() const { return tableau_; }
  int reservesInUse() const { return reserves_; }
  int emptyTableauPiles() const { return emptyTableau_; }
  int emptyReserves() const { return emptyReserves_; }

 private:
  // What a special code says: accept, refuse, or leave the rest to the
  // standard test; `Undecided` when a theme's switch has no rule for the code.
  enum class Ruling { Accept, Refuse, Standard, Undecided };

  int rule(int index) const { return rules_[index]; }
  const Pile& pile(PileRef ref) const { return piles_.pile(ref); }
  int cardsIn(PileRef ref) const { return static_cast<int>(pile(ref).size()); }
  CardId topOf(PileRef ref) const {
    const Pile& cards = pile(ref);
    return cards.empty() ? kNoCard : cards.back();
  }
  bool stockAndWasteEmpty() const;

  bool foundationAccepts(int k, const MovingUnit& unit) const;
  bool tableauAccepts(int i, const MovingUnit& unit) const;
  bool reserveAccepts(int n, const MovingUnit& unit) const;
  bool sizeAllowed(const MovingUnit& unit, bool toEmptyPile) const;

  bool wastePriorityRefuses(const BuildCase& test) const;
  bool wastePriorityDecidesTableau(const BuildCase& test, bool& verdict) const;
  bool standardTest(const BuildCase& test, int suitCode) const;
  bool suitConditionHolds(int suitCode, CardId top, CardId card) const;
  bool directionHolds(const BuildCase& test) const;
  bool upAccepts(const BuildCase& test, bool& ended) const;
  bool downAccepts(const BuildCase& test) const;
  bool aceKingRule(const BuildCase& test) const;
  bool intervalAccepts(const BuildCase& test, int interval) const;
  Ruling specialRule(const BuildCase& test) const;
  Ruling rankRule(const BuildCase& test) const;
  Ruling tableRule(const BuildCase& test) const;
  Ruling countedRule(const BuildCase& test) const;
  Ruling wasteOrFamily(const BuildCase& test, bool wasteEmptyVerdict) const;
  Ruling builtFromBase(const BuildCase& test, int partnerPile) const;
  Ruling keepsDirection(const BuildCase& test) const;
  Ruling fedFromFourBefore(const BuildCase& test) const;
  Ruling reserveFeeds(const BuildCase& test) const;
  Ruling gridNeighbour(const BuildCase& test) const;
  Ruling rankInFoundationBefore(const BuildCase& test) const;
  bool familyAllows(const BuildCase& test) const;
  bool fillRankAccepts(const BuildCase& test) const;
  PileRef destinationOf(const BuildCase& test) const;

  bool emptyPileAccepts(CardId card, int emptyRule, int baseRank) const;
  bool coloursBalanced(CardId card, int code, bool suitsOnce) const;
  bool rankMatchesFoundationBottoms(CardId card) const;
  bool anyFoundationHoldsCards() const;
  bool anyReserveHoldsCards() const;

  TakeAnswer takeFromTableau(CardId card, const CardPlace& place) const;
  TakeAnswer takeFromReserve(CardId card, const CardPlace& place) const;
  TakeAnswer takeFromFoundation(CardId card, const CardPlace& place) const;

  const RuleRecord& rules_;
  const PileStore& piles_;
  const CardTable& cards_;
  const GameFamily& family_;
  GameUi* reportTo_;
  PlayCounts counts_;
  CardPlaces places_;
  int foundations_ = 0, tableau_ = 0, reserves_ = 0;
  int emptyTableau_ = 0, emptyReserves_ = 0;
  int wastePriority_ = 0;
};

}  // namespace velmora
