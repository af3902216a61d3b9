#pragma once
// The small panels around the table: the time and score panels at the right
// of the tool bar row, and the floating label with the size of a pile.
#include <QFrame>

class QLabel;

namespace velmora {

// A caption ("Time:", "Score:") and a value, sunk into the tool bar row.
class InfoPanel final : public QFrame {
  Q_OBJECT

 public:
  InfoPanel(const QString& caption, const QString& value, QWidget* parent = nullptr);

  void setValue(const QString& value);
  QString value() const;
  // The height of the tool bar beside it: 24 beside large buttons, else 20.
  void setRowHeight(int height);

 private:
  QLabel* caption_;
  QLabel* value_;
};

// "1 card", "7 cards".
QString PileSizeText(int count);

// The number of cards in the pile under the pointer, and "in this pile".
class PileSizeLabel final : public QFrame {
  Q_OBJECT

 public:
  explicit PileSizeLabel(QWidget* parent);

  // Shows the count near `position` (in the parent's coordinates), kept
  // inside the parent.
  void showCount(int count, QPoint position);
  QString countText() const;

 private:
  QLabel* count_;
};

}  // namespace velmora
