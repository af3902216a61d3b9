#include "pause_screen.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

namespace velmora {
namespace {

constexpr int kDriftPixels = 3;
constexpr int kDriftMilliseconds = 80;
constexpr int kDriftBeyondEdge = 2;

QSize LogicalSize(const QPixmap& picture) {
  return picture.isNull() ? QSize() : picture.deviceIndependentSize().toSize();
}

QPixmap WithoutDarkGreen(const QImage& image) {
  QPixmap picture = QPixmap::fromImage(image);
  if (!image.isNull() && !image.hasAlphaChannel())
    picture.setMask(picture.createMaskFromColor(QColor::fromRgb(PauseScreen::kDarkGreen), Qt::MaskInColor));
  return picture;
}

}  // namespace

PauseScreen::PauseScreen(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  driftTimer_.setInterval(kDriftMilliseconds);
  connect(&driftTimer_, &QTimer::timeout, this, &PauseScreen::drift);
}

void PauseScreen::setPictures(const QImage& upper, const QImage& lower) {
  upper_ = WithoutDarkGreen(upper);
  lower_ = WithoutDarkGreen(lower);
  update();
}

PauseScreen::Places PauseScreen::PlacesFor(QSize area, QSize upper, QSize lower) {
  const int top = std::max(100, (area.height() - upper.height() - lower.height() - 45) / 2);
  const QRect upperPlace(std::max(5, (area.width() - upper.width()) / 2), top, upper.width(), upper.height());
  const QRect lowerPlace(std::max(5, (area.width() - lower.width()) / 2), upperPlace.bottom() + 1 + 15, lower.width(),
                         lower.height());
  return {upperPlace, lowerPlace};
}

void PauseScreen::drift() {
  const Places places = PlacesFor(size(), LogicalSize(upper_), LogicalSize(lower_));
  const int leftmost = places.lower.left() - kDriftBeyondEdge - places.upper.left();
  const int rightmost = places.lower.right() + kDriftBeyondEdge - places.upper.right();
  if (upper_.isNull() || lower_.isNull() || leftmost >= rightmost) return;
  const QRect before = places.upper.translated(offset_, 0);
  offset_ += step_;
  if (offset_ <= leftmost || offset_ >= rightmost) {
    offset_ = std::clamp(offset_, leftmost, rightmost);
    step_ = -step_;
  }
  update(before.united(places.upper.translated(offset_, 0)));
}

void PauseScreen::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor green = QColor::fromRgb(kDarkGreen);
  if (flat_) {
    painter.fillRect(rect(), green);
  } else {
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0, green.lighter(115));
    shade.setColorAt(1, green.darker(160));
    painter.fillRect(rect(), shade);
  }
  const Places places = PlacesFor(size(), LogicalSize(upper_), LogicalSize(lower_));
  if (!upper_.isNull()) painter.drawPixmap(places.upper.topLeft() + QPoint(offset_, 0), upper_);
  if (!lower_.isNull()) painter.drawPixmap(places.lower.topLeft(), lower_);
}

void PauseScreen::showEvent(QShowEvent*) {
  offset_ = 0;
  step_ = kDriftPixels;
  driftTimer_.start();
}

void PauseScreen::hideEvent(QHideEvent*) { driftTimer_.stop(); }

}  // namespace velmora
