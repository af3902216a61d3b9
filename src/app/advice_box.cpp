#include "advice_box.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>


namespace velmora {
namespace {

constexpr int kPictureSide = 64;

void PaintColours(QPainter& p) {
  static constexpr QRgb kSwatches[] = {0xc0392b, 0xe67e22, 0xf1c40f, 0x27ae60, 0x2980b9, 0x8e44ad,
                                       0x16a085, 0xd35400, 0x2c3e50, 0xecf0f1, 0x7f8c8d, 0x000000};
  constexpr int kColumns = 4, kCell = 14, kGap = 2, kLeft = 2, kTop = 8;
  for (int i = 0; i < static_cast<int>(std::size(kSwatches)); ++i) {
    const QRect cell(kLeft + (i % kColumns) * (kCell + kGap), kTop + (i / kColumns) * (kCell + kGap), kCell, kCell);
    p.fillRect(cell, QColor(kSwatches[i]));
    p.setPen(QColor(90, 90, 90));
    p.drawRect(cell.adjusted(0, 0, -1, -1));
  }
}

void PaintScreen(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 2));
  p.setBrush(QColor(30, 110, 60));
  p.drawRoundedRect(QRectF(4, 6, 56, 40), 3, 3);
  p.setBrush(QColor(110, 110, 110));
  p.drawRect(QRectF(26, 47, 12, 6));
  p.drawRect(QRectF(18, 54, 28, 4));
  QFont font = p.font();
  font.setPixelSize(11);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(4, 6, 56, 40), Qt::AlignCenter, QStringLiteral("640x480"));
}

QPixmap AdvicePixmap(AdvicePicture picture, qreal ratio) {
  QPixmap pixmap(QSize(kPictureSide, kPictureSide) * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  if (picture == AdvicePicture::Colours)
    PaintColours(painter);
  else
    PaintScreen(painter);
  return pixmap;
}

}  // namespace

AdviceDialog::AdviceDialog(const QString& text, AdvicePicture picture, QWidget* parent)
    : DialogBase(parent), dontShowAgain_(new QCheckBox(tr("&Don't show this message box again"), this)) {
  setWindowTitle(QStringLiteral("Information"));
  auto* pictureLabel = new QLabel(this);
  pictureLabel->setPixmap(AdvicePixmap(picture, devicePixelRatioF()));
  pictureLabel->setAlignment(Qt::AlignTop);
  auto* message = new QLabel(text, this);
  message->setObjectName(QStringLiteral("lblMessage"));
  message->setWordWrap(true);
  message->setMinimumWidth(320);
  message->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* body = new QHBoxLayout;
  body->addWidget(pictureLabel);
  body->addWidget(message, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(dontShowAgain_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool AskAdvice(const QString& text, AdvicePicture picture, QWidget* parent) {
  AdviceDialog dialog(text, picture, parent);
  dialog.exec();
  return dialog.dontShowAgainBox()->isChecked();
}

}  // namespace velmora
