#include "status_panels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora {

InfoPanel::InfoPanel(const QString& caption, const QString& value, QWidget* parent)
    : QFrame(parent), caption_(new QLabel(caption, this)), value_(new QLabel(value, this)) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  value_->setMinimumWidth(value_->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")));
  value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 0, 6, 0);
  layout->setSpacing(4);
  layout->addWidget(caption_);
  layout->addWidget(value_);
  setRowHeight(20);
}

void InfoPanel::setValue(const QString& value) { value_->setText(value); }

QString InfoPanel::value() const { return value_->text(); }

void InfoPanel::setRowHeight(int height) { setFixedHeight(height); }

QString PileSizeText(int count) {
  return QString::number(count) + (count == 1 ? QStringLiteral(" card") : QStringLiteral(" cards"));
}

PileSizeLabel::PileSizeLabel(QWidget* parent) : QFrame(parent), count_(new QLabel(this)) {
  setObjectName(QStringLiteral("pnlPilesSize"));
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(255, 255, 225));
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  count_->setAlignment(Qt::AlignCenter);
  QFont bold = count_->font();
  bold.setBold(true);
  count_->setFont(bold);
  auto* note = new QLabel(QStringLiteral("in this pile"), this);
  note->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 3, 6, 3);
  layout->setSpacing(0);
  layout->addWidget(count_);
  layout->addWidget(note);
  hide();
}

void PileSizeLabel::showCount(int count, QPoint position) {
  count_->setText(PileSizeText(count));
  adjustSize();
  QPoint place = position + QPoint(12, 16);  // below and right of the pointer
  if (const QWidget* area = parentWidget()) {
    place.setX(std::clamp(place.x(), 0, std::max(0, area->width() - width())));
    place.setY(std::clamp(place.y(), 0, std::max(0, area->height() - height())));
  }
  move(place);
  show();
  raise();
}

QString PileSizeLabel::countText() const { return count_->text(); }

}  // namespace velmora
