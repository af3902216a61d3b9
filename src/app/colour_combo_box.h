#pragma once
// A drop-down list of named colours, each drawn as a swatch before its name.
// Colours are the stored numbers of the preference file (0x00BBGGRR, or a
// system colour), so sorting by colour orders those numbers.
#include <QComboBox>
#include <cstdint>

namespace velmora {

class ColourComboBox final : public QComboBox {
  Q_OBJECT

 public:
  enum class SortBy { Unsorted, Colour, Name };

  static constexpr int kDefaultColourWidth = 20;
  static constexpr int kMinimumColourWidth = 5;

  explicit ColourComboBox(QWidget* parent = nullptr);

  // At the end, or at its place in the order chosen.
  void addColour(const QString& name, std::int64_t colour);

  // Changing the order keeps the selected colour selected.
  void setSortBy(SortBy order);
  SortBy sortBy() const { return sortBy_; }

  // Widths below the minimum are ignored.
  void setColourWidth(int width);
  int colourWidth() const { return colourWidth_; }

  // -1 when nothing is selected.
  std::int64_t selectedColour() const;
  // Selects the first item of that colour; nothing when none has it.
  void selectColour(std::int64_t colour);

  std::int64_t colourAt(int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  class SwatchDelegate;
  friend class SwatchDelegate;

  // Where an item belongs in the current order.
  int insertionIndex(const QString& name, std::int64_t colour) const;
  // The swatch and the name inside `rect`.
  void paintItem(QPainter& painter, const QRect& rect, int index) const;

  SortBy sortBy_ = SortBy::Unsorted;
  int colourWidth_ = kDefaultColourWidth;
};

}  // namespace velmora
