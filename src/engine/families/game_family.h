#pragma once
// A game family (rule 51): the facts and procedures a family brings to the
// rules its games share. Every family has one `GameFamily`, chosen by its
// number from the one table in family_registry.cpp; the base class is the
// plain game, so a family states only where it differs. The family objects
// hold no state: what a family keeps lies in the piles, the state words and
// the step log, so undo, saved games and held games keep it with the rest.
#include <cstdint>
#include <optional>
#include <vector>

#include "cards/card.h"
#include "piles/pile_names.h"

namespace velmora {

class RemainingDeck;
class RuleRecord;
class TMainGame;
struct DealContext;
struct PileHit;
struct TableRect;
enum class MouseButton;

// A move of a family's own, as hints, the demonstration and the command line
// offer it: the cards still to press, in order (the rest of a group that
// completes the selection, a card to turn), or one card moved onto a pile (a
// gap filled).
struct FamilyAction {
  std::vector<CardId> presses;
  std::optional<PileRef> to;  // set for a move: presses holds the one card moved

  bool operator==(const FamilyAction&) const = default;
};

// The places in a deal where a family does its own part.
enum class DealStage {
  BaseRanksSet,    // the foundations' base ranks are read from the rules and the prefill is laid
  ExtraCardDealt,  // the piles are dealt and the extra card is on foundation 1
  FamilySetup,     // the family's own set-up, in the games whose rules ask for it
  BeforeDealType,  // the family set-up is done; the deal type's own step follows
};

// What a won table looks like.
enum class WonRule {
  Cleared,                      // stock, waste, tableau and reserves empty
  ClearedGapsCountEmpty,        // the same, with a row of "000" gaps counted as empty
  EveryTableauPileHoldsCards,   // the table is filled (poker squares)
  StockOutFirstPileUpToFour,
  EveryTableauPileOneCard,
  StockOutAnAceOnEveryPile,
  RunsFromTwoInSuit,
  ScoreToWinReached,
  OnlyFirstFoundationHoldsCards,
  NineDownToOne,
  SequenceOfNinetyOne,
  FourPilesHoldCards,
  FamilyScoreReached,
  StockOutOneCardLeft,
  FourOnEachOfTwentyFour,
  EightOnFirstReserve,
  StockOut,
  FamilyTest,
};

// How the score is counted when it is recomputed.
enum class ScoreRule {
  Standard,          // the standard score of the scoring mode
  GapRows,           // the runs from Two in the rows of a gap game
  NumberedPiles,
  DiscardTimesTen,   // minus the deck, ten per card on the discard pile
  MemoryPairs,       // ten per discarded pair, two off per miss
  MemoryPairsSeven,  // seven per discarded pair, one off per miss
  Clock,
  EmptiedFoundations,
  RisingRuns,
  NineRuns,
  Discard,
  SecondFoundationBonus,
  TwentyFourPilesBonus,
  TableauCards,
  FamilyBase,        // minus the deck, until the family's own routine counts
};

struct FamilyFacts {
  WonRule won = WonRule::Cleared;
  ScoreRule score = ScoreRule::Standard;
  bool keepsOwnScore = false;           // the score is the family's own tally (hands, not cards)
  bool asksTableauToFoundation = false; // a tableau card goes up only when `mayGoFromTableauToFoundation`
  bool buildsOnFaceDown = false;        // a face-down top card takes cards like a face-up one
  bool countsTurns = false;             // every stock turn raises the deal count and tags its step
  bool discardsTakenCard = false;       // a press on a card sends it to the discard pile, nothing is carried
  bool endsAfterStockPress = false;     // a stock press that wins the game ends it at once
  bool selects = false;                 // presses select cards, held in foundation 1, for removal or an exchange
  bool leavesFirstFoundationOut = false;  // foundation 1 (the selection) is left out of undo
  bool rightPressIsPlain = false;       // a right press does what any other press does
  bool stockShowsNoPasses = false;      // the empty stock's mark never offers another pass
  bool eddySound = false;               // a card onto the discard pile sounds the eddy
  bool wonTestAfterFollowUps = false;   // the won test is asked again once a move's follow-ups are done
  bool wonTestAfterReserveMove = false; // the same, after a move onto a reserve only
  bool wonTestAfterDeal = false;        // a game that may be won as dealt
  bool showsResult = false;             // the end of a game shows the memory result
  bool fillsGaps = false;               // a row's gaps take cards where they lie: every place is a drop target

  bool operator==(const FamilyFacts&) const = default;
};

class GameFamily {
 public:
  explicit GameFamily(const FamilyFacts& facts = {}) : facts_(facts) {}
  virtual ~GameFamily() = default;
  GameFamily(const GameFamily&) = delete;
  GameFamily& operator=(const GameFamily&) = delete;

  const FamilyFacts& facts() const { return facts_; }

  // The questions the move rules hand to the family. The plain game has no
  // procedure of its own and refuses.

  // A card from a tableau pile offered to foundation k, in a family that asks.
  virtual bool mayGoFromTableauToFoundation(int /*k*/, CardId /*card*/) const { return false; }
  // Waste priority 2 (`wasteFirst` 1) or 3 (0): the waste card offered to tableau pile i.
  virtual bool mayPlaceWasteCard(CardId /*card*/, int /*wasteFirst*/, int /*i*/) const { return false; }
  // Reserve take rule -14: whether the card may be taken from reserve j (0-based).
  virtual bool mayTakeFromReserve(int /*j*/, CardId /*card*/) const { return false; }
  // Grid games: whether the card may be taken from tableau pile i.
  virtual bool mayTakeFromGrid(int /*i*/, CardId /*card*/) const { return false; }
  // A building code that asks the family about pile p: codes 5, 62, 67 and
  // 113 leave the whole decision to it; 38, 41, 45, 48, 58, 64, 71, 82, 94,
  // 95, 96 and 99 ask its consent (its group, suit or table test) beside
  // their own rule. `top` is 0 on an empty pile.
  virtual bool mayBuild(int /*code*/, CardId /*top*/, CardId /*card*/, int /*p*/, bool /*toFoundation*/) const {
    return false;
  }

  // Whether the card may go onto the discard pile (the third stock slot) in
  // a family that discards the taken card. The plain game takes nothing.
  virtual bool discardTakes(const TMainGame& /*game*/, CardId /*card*/) const { return false; }

  // The family's own parts of the won test, for the won rules that name them:
  // the sequence of the table adds up to 91 (SequenceOfNinetyOne), the
  // family's own score (FamilyScoreReached), the family's whole test
  // (FamilyTest). The plain game has none of them, so never wins by them.
  virtual bool sequenceComplete(const TMainGame& /*game*/) const { return false; }
  virtual std::optional<std::int64_t> ownScore(const TMainGame& /*game*/) const { return std::nullopt; }
  virtual bool ownWonTest(const TMainGame& /*game*/) const { return false; }

  // The family's part of a new deal at this stage; the plain game has none.
  virtual void dealStep(DealStage /*stage*/, DealContext& /*deal*/, RemainingDeck& /*deck*/) const {}

  // A family that keeps its own score counts it again, silently, where the
  // score is recomputed (undo, redo, a stock press, a game opened); after a
  // move its `afterMove` counts it. The plain game keeps none.
  virtual void recountOwnScore(TMainGame& /*game*/) const {}

  // After the score is recomputed (not for a family that keeps its own score):
  // a family whose game may be lost by it looks here.
  virtual void afterScore(TMainGame& /*game*/, std::int64_t /*score*/) const {}

  // A press on the stock, asked before the rules deal: true when the family
  // took the press (selected the stock card, refused with its own message, or
  // dealt its own way). The plain game leaves the press to the rules.
  virtual bool pressStock(TMainGame& /*game*/) const { return false; }
  // Whether the stock may turn its cards now.
  virtual bool mayTurn(TMainGame& /*game*/) const { return true; }
  // After every pile a dealing command dealt a card to.
  virtual void dealtTo(TMainGame& /*game*/, PileRef /*pile*/) const {}
  // Whether a press on the stock would change the table, for a family whose
  // `pressStock` takes presses the rules alone would not; none leaves the
  // answer to the rules.
  virtual std::optional<bool> stockPressMayChange(const TMainGame& /*game*/) const { return std::nullopt; }

  // After a card (with the cards above it) moved from one pile to another,
  // in the same step, before the won test: the family's routine. The plain
  // game has none.
  virtual void afterMove(TMainGame& /*game*/, CardId /*card*/, PileRef /*from*/, PileRef /*to*/) const {}

  // Once a second while a game is in progress (`now` the monotonic time in
  // milliseconds): a family that acts by the clock does so. The plain game
  // has nothing to do.
  virtual void clockTick(TMainGame& /*game*/, std::int64_t /*now*/) const {}

  // A press of either button on a card or a pile other than the stock, asked
  // before the rules take cards up: true when the family took it (selected a
  // card, turned one, filled a gap). A right press with Ctrl opens the
  // window's menu and never comes here, unless `rightPressIsPlain`.
  virtual bool press(TMainGame& /*game*/, const PileHit& /*hit*/, MouseButton /*button*/) const { return false; }
  // A card dropped on a pile (the rectangle is where it was let go), asked
  // before the rules: true when the family moved it, false when it refused,
  // none to leave the drop to the rules.
  virtual std::optional<bool> dropOn(TMainGame& /*game*/, CardId /*card*/, const TableRect& /*carried*/,
                                     PileRef /*pile*/) const {
    return std::nullopt;
  }
  // The family's own moves open in this position, in the order a player
  // would look for them; the plain game has none beyond the rules' moves.
  virtual std::vector<FamilyAction> actions(const TMainGame& /*game*/) const { return {}; }

 private:
  FamilyFacts facts_;
};

// The family with this number; a number no family uses gets the plain game.
const GameFamily& FamilyFor(int number);

// Whether the game holds its selection in foundation 1 (a removal game that
// selects, or one with a target sum): the cards there then lie elsewhere too,
// and searches for a card, and the score, pass foundation 1 over.
bool HoldsSelection(const RuleRecord& rules);

}  // namespace velmora
