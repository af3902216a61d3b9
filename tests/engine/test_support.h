#pragma once
// Shared test fixtures: a scratch folder removed afterwards, whole-file
// helpers, and a screen that records what the engine asked of it.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "shell/game_ui.h"

namespace velmora::testing {

class TempFolder {
 public:
  TempFolder() : TempFolder(std::filesystem::temp_directory_path()) {}
  explicit TempFolder(const std::filesystem::path& base) {
    std::string pattern = (base / "velmora-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code error;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, error);
    std::filesystem::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::filesystem::path& file, std::string_view contents) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary).write(contents.data(), static_cast<std::streamsize>(contents.size()));
}

// The lines of a text file, without their CR LF endings, and back.
inline std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

inline std::string JoinedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// Records messages and answers questions with a scripted answer.
class RecordingUi : public GameUi {
 public:
  struct Message {
    std::string caption;
    std::string text;
    Icon icon;
  };

  void showMessage(std::string_view caption, std::string_view text, Icon icon) override {
    messages.push_back({std::string(caption), std::string(text), icon});
  }
  bool askQuestion(std::string_view caption, std::string_view text) override {
    questions.push_back(std::string(caption) + ": " + std::string(text));
    return answer;
  }
  void playSound(std::string_view name) override { sounds.emplace_back(name); }
  void stopSound() override { sounds.emplace_back("(stop)"); }
  void showTable(TableChange change) override { tableChanges.push_back(change); }
  void beep() override { ++beeps; }
  void showScore(std::int64_t score) override { scores.push_back(score); }
  void flyCards(const std::vector<CardId>& cards, TablePoint, TablePoint) override { flights.push_back(cards); }
  bool showAdvice(std::string_view text, int) override {
    advice.emplace_back(text);
    return silenceAdvice;
  }
  void showResultPanel(const ResultPanel& panel) override { panels.push_back(panel); }
  void highlightCards(const std::vector<CardId>& cards) override { highlights.push_back(cards); }

  std::vector<Message> messages;
  std::vector<std::string> questions;
  std::vector<std::string> sounds;
  std::vector<std::string> advice;
  std::vector<TableChange> tableChanges;
  std::vector<std::int64_t> scores;
  std::vector<std::vector<CardId>> flights;
  std::vector<ResultPanel> panels;
  std::vector<std::vector<CardId>> highlights;
  int beeps = 0;
  bool answer = true;
  bool silenceAdvice = false;  // ticks "Don't show this message box again"

};

}  // namespace velmora::testing
