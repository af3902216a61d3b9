#pragma once
// The demonstration's window: a small tool window on top of the main window
// that counts the moves and describes each one. Its buttons only ask; the
// demonstration's controller does the work.
#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace velmora {

class TMainGame;

class TfrmDemo final : public QWidget {
  Q_OBJECT

 public:
  TfrmDemo(TMainGame& game, QWidget* mainWindow);

  void showMoves(int count);
  void describe(const QString& text);
  QString movesText() const;
  QString description() const;
  // Which of the three speed buttons is down; all may be up.
  enum class Button { None, Pause, Stop, Play };
  void setButtonDown(Button button);
  Button buttonDown() const;

 signals:
  void pauseClicked();
  void playClicked();
  // The window was closed by its buttons or its close box.
  void closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void placeFromPreferences();

  TMainGame& game_;
  QWidget* mainWindow_;
  bool firstShow_ = true;
  QLabel* lblMove_ = nullptr;
  QToolButton* btnPause_ = nullptr;
  QToolButton* btnStop_ = nullptr;
  QToolButton* btnPlay_ = nullptr;
  QLabel* lblDescription_ = nullptr;
  QPushButton* btnClose_ = nullptr;
};

}  // namespace velmora
