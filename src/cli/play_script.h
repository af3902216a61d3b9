#pragma once
// The pieces of `velmora-cli play` that the commands built on its script
// language share: a dealt game ready for a script, one line of the script,
// and the final table with its score, moves and state.
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "headless_game.h"
#include "hints/hint_search.h"

namespace velmora::cli {

// The game dealt with the deal number, laid out, with the won test of the
// script; nullptr after a message on `err` that names `command`.
std::unique_ptr<HeadlessGame> DealForScript(const Options& options, const std::string& game, const std::string& deal,
                                            std::string_view command, std::ostream& err);

// One line of the play language; the reason when it was refused.
std::optional<std::string> RunPlayLine(TMainGame& game, const std::string& line);

// The table, "score N", "moves N" and "state won|lost|playing", as `play`
// ends.
void PrintPlayOutcome(HeadlessGame& headless, std::ostream& out);

// A move of the hint search as the line of the play language that makes it:
// "move CARD PILE", "press CARD" or "stock".
std::string PlayLineOf(const Hint& hint);

}  // namespace velmora::cli
