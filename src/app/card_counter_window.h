#pragma once
// The card counter: a small tool window beside the main window that shows
// every card of the game in a grid - one row per suit, one column per rank -
// as seen, unseen or not counted. Its "Options" button chooses the part of
// the table that is counted and can invert the marks; the options, the
// window's place and whether it was open are kept in the preference file.
#include <QHash>
#include <QImage>
#include <QWidget>

#include "play/card_counter.h"

class QAction;
class QMenu;
class QPushButton;

namespace velmora {

class ResourceStore;
class TMainGame;

class TfrmCardCounter final : public QWidget {
  Q_OBJECT

 public:
  TfrmCardCounter(TMainGame& game, const ResourceStore& resources, QWidget* mainWindow);

  // After the table changed (a move, undo, redo, a new deal): counts again
  // while the window is shown.
  void tableChanged();
  // At start-up: the options and the place as they were left; the window
  // opens when it was open then.
  void restore();
  // The options, the place and whether the window is open, into the
  // preference file.
  void saveSettings();

  CounterOptions options() const;
  void setOptions(CounterOptions options);
  // What the grid shows now.
  const CounterGrid& grid() const { return grid_; }
  QMenu* optionsMenu() const { return optionsMenu_; }

 signals:
  // Shown or hidden, by a command, the close box or the main window.
  void shownChanged(bool shown);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void buildOptions();
  void optionsChanged();
  void recount();
  // Fits the window to the grid's rows and the button below it.
  void fitToGrid();
  QRect gridArea() const;
  void placeBesideMainWindow();
  // The picture by name at this screen's density; cached.
  const QImage& picture(const QString& name);
  QString cellPicture(int rank, CounterMark mark) const;

  TMainGame& game_;
  const ResourceStore& resources_;
  QWidget* mainWindow_;
  CounterGrid grid_{kCounterRowsPerDeck};
  QPushButton* btnOptions_ = nullptr;
  QMenu* optionsMenu_ = nullptr;
  QAction* tableauOnly_ = nullptr;
  QAction* stockOnly_ = nullptr;
  QAction* inverted_ = nullptr;
  bool placed_ = false;
  QHash<QString, QImage> pictures_;
  qreal picturesRatio_ = 0;
};

}  // namespace velmora
