#include "records/record_game.h"

#include "records/high_scores.h"
#include "records/internet_counts.h"
#include "records/keyed_file.h"
#include "records/player_names.h"
#include "records/results_log.h"
#include "records/statistics_record.h"
#include "shell/autoplay_switch.h"
#include "shell/main_game.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::string_view kStatisticsCaption = "Statistics";

// Statistics are kept unless the player turned them off or the demo made the
// first move of this deal.
bool Eligible(const TMainGame& game) {
  const ProgramState& state = game.state();
  return state.word(word::StatisticsDisabled) == 0 && state.word(word::FirstMove) != 0;
}

// Tells the player of a failed write; the result then counts as not saved.
void Report(TMainGame& game, RecordOutcome& record, const FileOutcome& outcome) {
  if (outcome) return;
  record.saved = false;
  game.ui().showMessage(kStatisticsCaption, outcome.message, GameUi::Icon::Error);
}

LogLine MakeLogLine(const TMainGame& game, const FinishedGame& result) {
  const ConfigStore& store = game.store();
  LogLine line;
  line.date = result.date;
  line.timeOfDay = result.timeOfDay;
  line.seconds = result.seconds;
  line.gameNumber = store.gameNumber();
  line.gameName = store.gameName();
  line.player = store.playerName();
  line.won = result.won;
  line.scoringMode = store.read(store::ScoringMode);
  line.score = store.read(store::Score);
  line.dealNumber = store.dealNumber();
  return line;
}

void CountInSession(ConfigStore& store, bool won) {
  const StoreItem item = won ? store::SessionWon : store::SessionLost;
  store.writeNumber(item, std::min<std::int64_t>(store.readNumber(item).value_or(0) + 1, 9999));
}

}  // namespace

RecordOutcome RecordFinishedGame(TMainGame& game, const FinishedGame& result) {
  RecordOutcome outcome;
  if (!Eligible(game)) return outcome;
  ConfigStore& store = game.store();
  const int number = store.gameNumber();
  const std::string player = store.playerName();
  const std::int64_t score = store.readNumber(store::Score).value_or(0);
  if (!IsAcceptablePlayerName(player)) {
    Report(game, outcome, RefusedName(player, "the statistics"));
    return outcome;
  }

  // One game's result reaches every file before another program's does.
  const UserData::UpdateHold hold = game.data().holdForUpdate();
  if (!hold) {
    Report(game, outcome, hold.outcome());
    return outcome;
  }
  outcome.recorded = true;
  Report(game, outcome, AppendLogLine(game.data(), MakeLogLine(game, result)));
  Report(game, outcome, RecordStatistics(game.data(), number, player, result.won, score));
  CountInSession(store, result.won);
  if (number < kFirstCustomGame && game.state().word(word::InternetEligible) == 1)
    Report(game, outcome, UpdateInternetCounts(game, number, player, result.won, false));
  const HighScoreInsertion ranked = InsertHighScore(
      game, {score, result.seconds, result.date, result.timeOfDay, player, store.dealNumber(), result.won});
  Report(game, outcome, ranked.outcome);
  outcome.highScoreRank = ranked.rank;

  if (game.state().word(word::SeriesInProgress) != 0 && game.recordSeams().seriesResult)
    game.recordSeams().seriesResult(result.won);
  return outcome;
}

}  // namespace velmora
