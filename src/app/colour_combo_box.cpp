#include "colour_combo_box.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <algorithm>
#include <vector>

#include "colours.h"

namespace velmora {
namespace {

constexpr int kColourRole = Qt::UserRole + 1;
constexpr int kSwatchInset = 2;
constexpr int kNameGap = 3;

bool NameBefore(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }

}  // namespace

class ColourComboBox::SwatchDelegate final : public QStyledItemDelegate {
 public:
  explicit SwatchDelegate(ColourComboBox& box) : QStyledItemDelegate(&box), box_(box) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem background = option;
    background.text.clear();
    background.icon = QIcon();
    option.widget->style()->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);
    painter->save();
    painter->setPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                : QPalette::Text));
    box_.paintItem(*painter, option.rect, index.row());
    painter->restore();
  }

 private:
  ColourComboBox& box_;
};

ColourComboBox::ColourComboBox(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new SwatchDelegate(*this));
}

std::int64_t ColourComboBox::colourAt(int index) const {
  const QVariant value = itemData(index, kColourRole);
  return value.isValid() ? value.toLongLong() : -1;
}

int ColourComboBox::insertionIndex(const QString& name, std::int64_t colour) const {
  for (int i = 0; i < count(); ++i) {
    if (sortBy_ == SortBy::Colour && colour < colourAt(i)) return i;
    if (sortBy_ == SortBy::Name && NameBefore(name, itemText(i))) return i;
  }
  return count();
}

void ColourComboBox::addColour(const QString& name, std::int64_t colour) {
  const int at = insertionIndex(name, colour);
  insertItem(at, name);
  setItemData(at, QVariant::fromValue<qlonglong>(colour), kColourRole);
}

void ColourComboBox::setSortBy(SortBy order) {
  sortBy_ = order;
  if (order == SortBy::Unsorted) return;
  const std::int64_t selected = selectedColour();
  struct Item {
    QString name;
    std::int64_t colour;
  };
  std::vector<Item> items;
  for (int i = 0; i < count(); ++i) items.push_back({itemText(i), colourAt(i)});
  std::stable_sort(items.begin(), items.end(), [order](const Item& a, const Item& b) {
    return order == SortBy::Colour ? a.colour < b.colour : NameBefore(a.name, b.name);
  });
  const QSignalBlocker quiet(this);
  clear();
  for (const Item& item : items) {
    addItem(item.name);
    setItemData(count() - 1, QVariant::fromValue<qlonglong>(item.colour), kColourRole);
  }
  setCurrentIndex(-1);
  selectColour(selected);
}

void ColourComboBox::setColourWidth(int width) {
  if (width < kMinimumColourWidth) return;
  colourWidth_ = width;
  update();
}

std::int64_t ColourComboBox::selectedColour() const { return currentIndex() < 0 ? -1 : colourAt(currentIndex()); }

void ColourComboBox::selectColour(std::int64_t colour) {
  for (int i = 0; i < count(); ++i)
    if (colourAt(i) == colour) {
      setCurrentIndex(i);
      return;
    }
}

void ColourComboBox::paintItem(QPainter& painter, const QRect& rect, int index) const {
  const QRect swatch(rect.left() + kSwatchInset, rect.top() + kSwatchInset, colourWidth_,
                     rect.height() - 2 * kSwatchInset);
  painter.fillRect(swatch, FromStoredColour(colourAt(index)));
  const QPen text = painter.pen();
  painter.setPen(Qt::black);
  painter.drawRect(swatch.adjusted(0, 0, -1, -1));
  painter.setPen(text);
  const QRect label(swatch.right() + 1 + kNameGap, rect.top(), rect.right() - swatch.right() - kNameGap, rect.height());
  painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, itemText(index));
}

void ColourComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText.clear();
  option.currentIcon = QIcon();
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
  if (currentIndex() < 0) return;
  const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  painter.setPen(palette().color(QPalette::ButtonText));
  paintItem(painter, field, currentIndex());
}

}  // namespace velmora
