#include "demo_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr char kSection[] = "Settings";
constexpr char kLeftKey[] = "Tutor_Demo_Form_Left";
constexpr char kTopKey[] = "Tutor_Demo_Form_Top";
constexpr int kDefaultLeft = 10;
constexpr int kGapBelow = 15;  // the default top leaves this much of the main window below the window

QToolButton* SpeedButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& hint) {
  auto* button = new QToolButton(parent);
  button->setIcon(parent->style()->standardIcon(icon));
  button->setToolTip(hint);
  button->setAccessibleName(hint);
  button->setCheckable(true);
  button->setAutoRaise(true);
  return button;
}

}  // namespace

TfrmDemo::TfrmDemo(TMainGame& game, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      game_(game),
      mainWindow_(mainWindow) {
  setWindowTitle("Demo");
  setObjectName("frmDemo");
  auto* counter = new QHBoxLayout;
  counter->addWidget(new QLabel("Move:", this));
  lblMove_ = new QLabel("0", this);
  lblMove_->setObjectName("lblMove");
  counter->addWidget(lblMove_);
  counter->addStretch();
  btnPause_ = SpeedButton(this, QStyle::SP_MediaPause, "Pause");
  btnStop_ = SpeedButton(this, QStyle::SP_MediaStop, "Stop");
  btnPlay_ = SpeedButton(this, QStyle::SP_MediaPlay, "Play");
  btnPause_->setObjectName("btnPause");
  btnStop_->setObjectName("btnStop");
  btnPlay_->setObjectName("btnPlay");
  for (QToolButton* button : {btnPause_, btnStop_, btnPlay_}) counter->addWidget(button);

  auto* group = new QGroupBox("Description: ", this);
  auto* groupLayout = new QVBoxLayout(group);
  lblDescription_ = new QLabel(group);
  lblDescription_->setObjectName("lblDescription");
  lblDescription_->setMinimumWidth(200);
  groupLayout->addWidget(lblDescription_);

  btnClose_ = new QPushButton("Stop", this);
  btnClose_->setObjectName("btnClose");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(counter);
  layout->addWidget(group);
  layout->addWidget(btnClose_, 0, Qt::AlignRight);
  setFixedSize(sizeHint());

  connect(btnPause_, &QToolButton::clicked, this, [this] {
    setButtonDown(Button::Pause);
    emit pauseClicked();
  });
  connect(btnPlay_, &QToolButton::clicked, this, [this] {
    setButtonDown(Button::Play);
    emit playClicked();
  });
  connect(btnStop_, &QToolButton::clicked, this, [this] {
    setButtonDown(Button::Stop);
    repaint();
    close();
  });
  connect(btnClose_, &QPushButton::clicked, this, [this] {
    repaint();
    close();
  });
}

void TfrmDemo::showMoves(int count) {
  lblMove_->setText(QString::number(count));
  lblMove_->repaint();
}

void TfrmDemo::describe(const QString& text) {
  lblDescription_->setText(text);
  lblDescription_->repaint();
}

QString TfrmDemo::movesText() const { return lblMove_->text(); }
QString TfrmDemo::description() const { return lblDescription_->text(); }

void TfrmDemo::setButtonDown(Button button) {
  btnPause_->setChecked(button == Button::Pause);
  btnStop_->setChecked(button == Button::Stop);
  btnPlay_->setChecked(button == Button::Play);
}

TfrmDemo::Button TfrmDemo::buttonDown() const {
  if (btnPause_->isChecked()) return Button::Pause;
  if (btnStop_->isChecked()) return Button::Stop;
  if (btnPlay_->isChecked()) return Button::Play;
  return Button::None;
}

void TfrmDemo::placeFromPreferences() {
  const IniDocument file = game_.preferences().open();
  const int defaultTop = (mainWindow_ ? mainWindow_->height() : 600) - height() - kGapBelow;
  move(static_cast<int>(file.readInt(kSection, kLeftKey, kDefaultLeft)),
       static_cast<int>(file.readInt(kSection, kTopKey, defaultTop)));
}

void TfrmDemo::showEvent(QShowEvent* event) {
  if (firstShow_) {
    firstShow_ = false;
    placeFromPreferences();
  }
  QWidget::showEvent(event);
}

// The window is closed, or hidden by a new deal or the end of a game: its
// place is kept for the next time.
void TfrmDemo::hideEvent(QHideEvent* event) {
  const QPoint at = pos();
  game_.preferences().update([&](IniDocument& file) {
    file.writeInt(kSection, kLeftKey, at.x());
    file.writeInt(kSection, kTopKey, at.y());
  });
  QWidget::hideEvent(event);
}

void TfrmDemo::closeEvent(QCloseEvent* event) {
  emit closed();
  QWidget::closeEvent(event);
}

}  // namespace velmora
