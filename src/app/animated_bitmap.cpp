#include "animated_bitmap.h"

#include <QBitmap>
#include <QPainter>
#include <algorithm>

namespace velmora {

AnimatedBitmap::AnimatedBitmap(QWidget* parent) : QWidget(parent) {
  resize(30, 30);
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(&timer_, &QTimer::timeout, this, &AnimatedBitmap::advance);
}

void AnimatedBitmap::setBitmap(const QPixmap& strip) {
  strip_ = strip;
  setTransparentColour(transparent_);
}

void AnimatedBitmap::setTransparentColour(std::optional<QColor> colour) {
  transparent_ = colour;
  shown_ = strip_;
  if (transparent_ && !strip_.isNull()) shown_.setMask(strip_.createMaskFromColor(*transparent_, Qt::MaskInColor));
  update();
}

void AnimatedBitmap::setFrameCount(int count) {
  frameCount_ = std::max(1, count);
  setFrame(frame_);
}

void AnimatedBitmap::setFrame(int frame) {
  const int chosen = frame < 0 ? frameCount_ - 1 : frame % frameCount_;
  if (chosen == frame_) return;
  frame_ = chosen;
  update();
  emit frameChanged(frame_);
}

void AnimatedBitmap::setInterval(int milliseconds) {
  interval_ = std::max(0, milliseconds);
  restartTimer();
}

void AnimatedBitmap::setPlaying(bool play) {
  playing_ = play;
  restartTimer();
}

void AnimatedBitmap::restartTimer() {
  timer_.stop();
  if (playing_ && interval_ > 0) timer_.start(interval_);
}

void AnimatedBitmap::advance() {
  const int last = reverse_ ? 0 : frameCount_ - 1;
  setFrame(reverse_ ? (frame_ + frameCount_ - 1) % frameCount_ : (frame_ + 1) % frameCount_);
  if (frame_ == last && !loop_) {
    playing_ = false;
    timer_.stop();
  }
}

void AnimatedBitmap::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (shown_.isNull()) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  if (transparent_) painter.fillRect(rect(), palette().color(backgroundRole()));
  const qreal ratio = shown_.devicePixelRatio();
  const QRectF source(width() * frame_ * ratio, 0, width() * ratio, height() * ratio);
  painter.drawPixmap(QRectF(rect()), shown_, source);
}

}  // namespace velmora
