#pragma once
// The step log beside each history stack: one entry per snapshot, each ended
// by ",", holding the 3-digit tags of the step ("" for a plain move, "002,"
// for a stock deal). The tags carry the counters that are not in the piles.
#include <string>
#include <string_view>

namespace velmora {

namespace step_tag {
inline constexpr int FamilyTableauMove = 1;
inline constexpr int DealCountRaised = 2;  // undo lowers the deal count, redo raises it
inline constexpr int PassRaised = 3;       // a redistribution: undo lowers the pass counter
}  // namespace step_tag

class StepLog {
 public:
  void append(std::string_view entry);
  void dropLast();
  std::string_view lastEntry() const;
  bool lastHasCode(int code) const;
  int countCode(int code) const;
  void replaceLastByCode(int code);
  // Two internal steps that make one step of the player keep the later tags.
  void mergeLastTwo();
  int entries() const;

  void clear() { text_.clear(); }
  bool empty() const { return text_.empty(); }
  std::size_t length() const { return text_.size(); }
  const std::string& text() const { return text_; }
  void setText(std::string text) { text_ = std::move(text); }

 private:
  std::string text_;
};

}  // namespace velmora
