#pragma once
// The card table on screen: it lays the current game out for its size, paints
// the scene into the table image (background, marks, cards) and copies that
// image to the window, scrolled, with an overlay for what is drawn over the
// table only for a moment.
#include <QAbstractScrollArea>
#include <QImage>
#include <QTimer>
#include <optional>
#include <utility>

#include "layout/layout_area.h"
#include "layout/result_panel.h"
#include "play/keyboard_play.h"
#include "shell/game_ui.h"
#include "table/table_scene.h"
#include "table_background.h"
#include "table_pictures.h"
#include "table_zoom.h"

namespace velmora {

class ResourceStore;
class TMainGame;

class TableView final : public QAbstractScrollArea {
  Q_OBJECT

 public:
  TableView(TMainGame& game, const ResourceStore& resources, QWidget* parent = nullptr);

  // Places every pile afresh and repaints: a new game, card size or window size.
  void relayout();
  // Fitted to the window, or at a fixed zoom; lays the table out again.
  void setZoom(const TableZoom& zoom);
  const TableZoom& zoom() const { return zoom_; }
  // Window pixels per table pixel, as the table is shown now.
  qreal scale() const { return scale_; }
  // A place in table coordinates as the window shows it (viewport pixels).
  QPointF toViewport(TablePoint point) const;
  // Repaints the piles where they stand.
  void redraw();
  // The pictures of the card look the settings ask for, reloaded when it changed.
  void reloadPictures();
  // The cards drawn afresh at the table's scale, in place of the quick ones
  // shown while the window was being resized; at once instead of when it settles.
  void drawSharpCards();

  // The table's top edge: 5 pixels below the menu without a toolbar, else
  // right under the toolbar.
  void setToolbarShown(bool shown);

  // The carried cards moved, were lifted off or put down.
  void showCarry();
  // Cards fly from one place to another (window coordinates); returns when
  // they have landed.
  void flyCards(const std::vector<CardId>& cards, TablePoint from, TablePoint to);
  // The hint arrow over the table (window coordinates): from the card to its
  // target, or a ring round a card to turn or the stock to press.
  void showHintArrow(TablePoint from, TablePoint to);
  void hideHintArrow();
  bool isHintArrowShown() const { return hintArrow_.has_value(); }

  // The poker squares' result panel keeps its text until the next one, or
  // until it is cleared for a new deal; it shows where the layout placed it.
  void showResultPanel(const GameUi::ResultPanel& panel);
  void clearResultPanel();
  const std::optional<GameUi::ResultPanel>& resultPanel() const { return panel_; }
  // Where the panel stands, in table coordinates; empty for games without one.
  QRect resultPanelRect() const;
  // These cards are drawn as selected ones are; none takes the highlight away.
  void highlightCards(const std::vector<CardId>& cards);
  const std::vector<CardId>& highlightedCards() const { return highlighted_; }

  // What the table shows now, in table coordinates.
  TableScene scene() const;
  const QImage& tableImage() const { return tableImage_; }
  const TablePictures& pictures() const { return pictures_; }
  LayoutArea layoutArea() const;

 signals:
  // Ctrl and the right button pressed where no pile lies: the table's pop-up menu.
  void popupMenuRequested(QPoint globalPosition);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  // The arrows move the focus, Space and Return press on it, Escape puts
  // carried cards back, Home and End press the stock.
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void paintTableImage(const TableScene& scene, QSize size);
  // Stores the panel's place in the game's state words for the layout just made.
  void placeResultPanel(const LayoutArea& area);
  void paintResultPanel(QPainter& painter) const;
  // The scale at which the whole table, with room for its fans to grow, fits the window.
  qreal fittedScale();
  bool fitsAt(qreal scale);
  LayoutArea layoutAreaAt(qreal scale) const;
  TablePoint fromViewport(QPointF point) const;
  QRect viewportRect(QRect tableRect) const;
  void prepareCleanTable(QSize size);
  void updateScrollRange(int lowestEdge);
  // A drag near the top or bottom edge scrolls the table by a page.
  void scrollWhileCarrying(int y);
  ScenePlaces places() const;
  // Where the overlay draws now: the carried cards or a flight, in window coordinates.
  QRect overlayRect() const;
  void paintOverlay(QPainter& painter);
  void paintHintArrow(QPainter& painter) const;
  // The outline of the keys' focus, in table coordinates; none until a key was pressed.
  void paintKeyFocus(QPainter& painter) const;
  QRect hintArrowRect() const;
  qreal pixelRatio() const;
  // Device pixels per table pixel: the screen's density times the scale.
  qreal pictureRatio() const { return pixelRatio() * scale_; }

  TMainGame& game_;
  const ResourceStore& resources_;
  TablePictures pictures_;
  TableBackground background_;
  QImage tableImage_;
  QImage cleanTable_;  // the background alone, the size of the table image
  bool toolbarShown_ = true;
  CardId lifted_ = kNoCard;  // the carried card the table image leaves out
  ScenePile overlay_;        // what is drawn over the table image: carried or flying cards
  QRect overlayShown_;       // where the overlay was last drawn
  bool pressedSinceRelease_ = false;
  std::optional<std::pair<QPoint, QPoint>> hintArrow_;
  TableZoom zoom_;
  qreal scale_ = 1;
  QTimer sharpCards_;  // runs while quick pictures stand in
  KeyboardPlay keys_;
  std::optional<GameUi::ResultPanel> panel_;
  std::vector<CardId> highlighted_;
};

}  // namespace velmora
