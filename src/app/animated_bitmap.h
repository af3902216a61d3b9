#pragma once
// A picture that plays a horizontal strip of frames, each frame as wide as
// the control, one frame per timer interval.
#include <QColor>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <optional>

namespace velmora {

class AnimatedBitmap final : public QWidget {
  Q_OBJECT

 public:
  explicit AnimatedBitmap(QWidget* parent = nullptr);

  // The strip; with a device pixel ratio above 1 its frames are that much
  // denser than the control.
  void setBitmap(const QPixmap& strip);
  const QPixmap& bitmap() const { return strip_; }

  // At least one frame.
  void setFrameCount(int count);
  int frameCount() const { return frameCount_; }

  // A negative frame selects the last one; larger ones wrap around.
  void setFrame(int frame);
  int frame() const { return frame_; }

  // Milliseconds between frames; 0 keeps the picture still.
  void setInterval(int milliseconds);
  int interval() const { return interval_; }

  void setPlaying(bool play);
  bool isPlaying() const { return playing_; }

  void setLoop(bool loop) { loop_ = loop; }
  bool loops() const { return loop_; }
  void setReverse(bool reverse) { reverse_ = reverse; }
  bool isReversed() const { return reverse_; }

  // Pixels of this colour show the control's own colour through.
  void setTransparentColour(std::optional<QColor> colour);

  // One step of the timer: a frame on (back when reversed); the last frame
  // (frame 0 when reversed) stops the play unless it loops.
  void advance();

 signals:
  void frameChanged(int frame);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void restartTimer();

  QPixmap strip_;
  QPixmap shown_;  // the strip with its transparent colour keyed out
  int frameCount_ = 1;
  int frame_ = 0;
  int interval_ = 0;
  bool playing_ = false;
  bool loop_ = true;
  bool reverse_ = false;
  std::optional<QColor> transparent_;
  QTimer timer_;
};

}  // namespace velmora
