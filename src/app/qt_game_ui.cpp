#include "qt_game_ui.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "advice_box.h"

#include <QMessageBox>
#include <QSoundEffect>
#include <QUrl>

#include "resource_store.h"

namespace velmora {

QString ToDisplayText(std::string_view text) {
  QString out = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return out;
}

QtGameUi::QtGameUi(const ResourceStore& resources) : resources_(resources) {}

QtGameUi::~QtGameUi() = default;

void QtGameUi::showMessage(std::string_view caption, std::string_view text, Icon icon) {
  const QMessageBox::Icon shown = icon == Icon::Error     ? QMessageBox::Critical
                                  : icon == Icon::Warning ? QMessageBox::Warning
                                                          : QMessageBox::Information;
  QMessageBox box(shown, ToDisplayText(caption), ToDisplayText(text), QMessageBox::Ok, parent_);
  box.exec();
}

bool QtGameUi::askQuestion(std::string_view caption, std::string_view text) {
  QMessageBox box(QMessageBox::Question, ToDisplayText(caption), ToDisplayText(text),
                  QMessageBox::Ok | QMessageBox::Cancel, parent_);
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok;
}

void QtGameUi::playSound(std::string_view name) {
  const QString path = resources_.soundPath(ToDisplayText(name));
  if (path.isEmpty()) {
    stopSound();
    return;
  }
  // Without an audio device the effect stays silent; nothing waits on it.
  if (!sound_) sound_ = std::make_unique<QSoundEffect>();
  sound_->stop();
  sound_->setSource(QUrl(QLatin1String("qrc") + path));
  sound_->play();
}

void QtGameUi::stopSound() {
  if (sound_) sound_->stop();
}

void QtGameUi::showTable(TableChange change) {
  if (outlets_.show) outlets_.show(change);
}

bool QtGameUi::showAdvice(std::string_view text, int picturePage) {
  return AskAdvice(ToDisplayText(text), picturePage == 1 ? AdvicePicture::ScreenSize : AdvicePicture::Colours, parent_);
}

void QtGameUi::beep() { QApplication::beep(); }

void QtGameUi::showScore(std::int64_t score) {
  if (outlets_.score) outlets_.score(score);
}

void QtGameUi::flyCards(const std::vector<CardId>& cards, TablePoint from, TablePoint to) {
  if (outlets_.fly) outlets_.fly(cards, from, to);
}

void QtGameUi::gameEnded(std::int64_t seconds) {
  if (outlets_.ended) outlets_.ended(seconds);
}

void QtGameUi::showGameWon() {
  if (outlets_.gameWon) outlets_.gameWon();
}

void QtGameUi::showResultPanel(const ResultPanel& panel) {
  if (outlets_.resultPanel) outlets_.resultPanel(panel);
}

void QtGameUi::highlightCards(const std::vector<CardId>& cards) {
  if (outlets_.highlight) outlets_.highlight(cards);
}

void QtGameUi::showMemoryResult(const MemoryResult& result) {
  if (outlets_.memoryResult) outlets_.memoryResult(result);
}

void QtGameUi::closeMainWindow() {
  if (outlets_.close) outlets_.close();
}

void QtGameUi::pauseFor(int milliseconds) {
  QEventLoop wait;
  QTimer::singleShot(milliseconds * waitPercent_ / 100, Qt::PreciseTimer, &wait, &QEventLoop::quit);
  wait.exec();
}

void QtGameUi::showHintArrow(TablePoint from, TablePoint to) {
  if (outlets_.hintArrow) outlets_.hintArrow(from, to);
}

void QtGameUi::hideHintArrow() {
  if (outlets_.hideHintArrow) outlets_.hideHintArrow();
}

void QtGameUi::showDemoWindow(bool shown) {
  if (demo_.show) demo_.show(shown);
}

bool QtGameUi::demoWindowShown() const { return demo_.shown && demo_.shown(); }

void QtGameUi::showDemoMoves(int count) {
  if (demo_.moves) demo_.moves(count);
}

void QtGameUi::showDemoDescription(std::string_view text) {
  if (demo_.describe) demo_.describe(ToDisplayText(text));
}

}  // namespace velmora
