#pragma once
// The pause screen over the table: dark green with the two pause pictures
// centred, the upper one drifting from side to side within the width of the
// lower one so that the screen is plainly alive.
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace velmora {

class PauseScreen final : public QWidget {
  Q_OBJECT

 public:
  static constexpr QRgb kDarkGreen = 0x008000;

  explicit PauseScreen(QWidget* parent = nullptr);

  // Either may be null: the screen then shows what it has. Dark green
  // pixels of an opaque picture let the table colour through.
  void setPictures(const QImage& upper, const QImage& lower);
  // A flat green on screens of 256 colours or fewer, shaded otherwise.
  void setFlat(bool flat) { flat_ = flat; }

  // Where the pictures stand, in logical pixels, for a screen of `area`:
  // centred, at least 5 from the left, the upper one at least 100 from the
  // top and the lower one 15 below it.
  struct Places {
    QRect upper;
    QRect lower;
  };
  static Places PlacesFor(QSize area, QSize upper, QSize lower);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void drift();

  QPixmap upper_;
  QPixmap lower_;
  bool flat_ = false;
  int offset_ = 0;  // of the upper picture from its centred place
  int step_ = 3;
  QTimer driftTimer_;
};

}  // namespace velmora
