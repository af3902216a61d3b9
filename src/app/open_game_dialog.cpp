#include "open_game_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "catalogue/custom_game_deletion.h"
#include "records/player_list.h"
#include "resource_store.h"
#include "shell/main_game.h"
#include "shell/preference_keys.h"

namespace velmora {
namespace {

enum Role { CodeRole = Qt::UserRole, KindRole, TypeRole };
enum class Kind { Folder, Game, Placeholder, Hint };

constexpr QSize kPreviewSize(260, 190);
constexpr QColor kPreviewGreen(0, 128, 0);
constexpr int kIconSize = 16;

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

Kind KindOf(const QTreeWidgetItem* item) { return static_cast<Kind>(item->data(0, KindRole).toInt()); }
int CodeOf(const QTreeWidgetItem* item) { return item->data(0, CodeRole).toInt(); }

QTreeWidgetItem* NewItem(QTreeWidgetItem* parent, const QString& caption, int code, Kind kind) {
  auto* item = new QTreeWidgetItem(parent, {caption});
  item->setData(0, CodeRole, code);
  item->setData(0, KindRole, static_cast<int>(kind));
  return item;
}

// The preview picture centred at the top of the dark green background; its
// top-left pixel is the colour that lets the background show through.
QPixmap PreviewPixmap(const QImage& picture, qreal ratio) {
  QPixmap pixmap(kPreviewSize * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(kPreviewGreen);
  if (picture.isNull()) return pixmap;
  QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = keyed.pixel(0, 0);
  for (int y = 0; y < keyed.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x)
      if (line[x] == key) line[x] = qRgba(0, 0, 0, 0);
  }
  QPainter painter(&pixmap);
  const QSizeF size = keyed.deviceIndependentSize();
  painter.drawImage(QPointF((kPreviewSize.width() - size.width()) / 2, 0), keyed);
  return pixmap;
}

}  // namespace

OpenGameDialog::OpenGameDialog(TMainGame& game, const ResourceStore* resources, MarkSource marks, QWidget* parent)
    : DialogBase(parent), game_(game), resources_(resources), marks_(std::move(marks)) {
  setWindowTitle(QStringLiteral("Open a game"));
  setObjectName(QStringLiteral("frmOpenGame"));

  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("tvGames"));
  tree_->setHeaderHidden(true);
  tree_->setIconSize(QSize(kIconSize, kIconSize));
  tree_->setMinimumSize(280, 380);
  tree_->setContextMenuPolicy(Qt::CustomContextMenu);

  name_ = new QLabel(this);
  QFont large = name_->font();
  large.setPointSizeF(large.pointSizeF() * 1.6);
  large.setBold(true);
  name_->setFont(large);
  name_->setWordWrap(true);
  auto* facts = new QGridLayout;
  auto addFact = [&](int row, const char* caption, QLabel*& icon, QLabel*& value) {
    icon = new QLabel(this);
    icon->setFixedSize(kIconSize * 2, kIconSize * 2);
    value = new QLabel(this);
    value->setWordWrap(true);
    facts->addWidget(icon, row, 0);
    facts->addWidget(new QLabel(QString::fromLatin1(caption), this), row, 1);
    facts->addWidget(value, row, 2);
  };
  addFact(0, "Game time:", timeIcon_, time_);
  addFact(1, "Difficulty:", difficultyIcon_, difficulty_);
  addFact(2, "Skill or chance:", skillIcon_, skill_);
  addFact(3, "Chance of winning:", chanceIcon_, chance_);
  QLabel* decksIcon = nullptr;
  QLabel* redealsIcon = nullptr;
  addFact(4, "Decks:", decksIcon, decks_);
  addFact(5, "Redeals:", redealsIcon, redeals_);
  decksIcon->setPixmap(picture("PROG_DECKS").pixmap(kIconSize * 2));
  redealsIcon->setPixmap(picture("PROG_REDEALS").pixmap(kIconSize * 2));
  facts->setColumnStretch(2, 1);

  preview_ = new QLabel(this);
  preview_->setObjectName(QStringLiteral("imgPreview"));
  preview_->setFixedSize(kPreviewSize);
  showPreview_ = new QCheckBox(QStringLiteral("&Preview"), this);
  showMarks_ = new QCheckBox(QStringLiteral("&Show won and lost"), this);
  player_ = new QComboBox(this);
  player_->setObjectName(QStringLiteral("cboPlayers"));
  auto* playerLabel = new QLabel(QStringLiteral("Pla&yer:"), this);
  playerLabel->setBuddy(player_);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok_->setDefault(true);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  auto* openSaved = buttons->addButton(QStringLiteral("Open a sa&ved game..."), QDialogButtonBox::ActionRole);
  connect(openSaved, &QPushButton::clicked, this, [this] {
    savedGameWanted_ = true;
    reject();  // the dialog makes way for the file dialog
  });

  auto* panel = new QWidget(this);
  panel->setFixedWidth(kPreviewSize.width() + 60);  // longer texts wrap instead of moving the dialog's edge
  auto* right = new QVBoxLayout(panel);
  right->setContentsMargins(0, 0, 0, 0);
  right->addWidget(name_);
  right->addLayout(facts);
  right->addWidget(preview_, 0, Qt::AlignHCenter);
  right->addWidget(showPreview_);
  right->addWidget(showMarks_);
  auto* playerRow = new QHBoxLayout;
  playerRow->addWidget(playerLabel);
  playerRow->addWidget(player_, 1);
  right->addLayout(playerRow);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addWidget(tree_, 1);
  columns->addWidget(panel);
  auto* whole = new QVBoxLayout(this);
  whole->addLayout(columns);
  whole->addWidget(buttons);

  popup_ = new QMenu(this);
  delete_ = popup_->addAction(QStringLiteral("Delete"), this, &OpenGameDialog::deleteSelected);
  popup_->addAction(QStringLiteral("Players..."), this, [this] {
    if (editPlayers_) editPlayers_();
    refreshPlayers();
  });

  buildFolders();
  connect(tree_, &QTreeWidget::itemExpanded, this, &OpenGameDialog::fill);
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) fill(item);
    describe();
  });
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, &OpenGameDialog::doubleClicked);
  connect(tree_, &QTreeWidget::customContextMenuRequested, this, [this](QPoint at) {
    delete_->setEnabled(selectedGame() >= kFirstCustomGame);
    popup_->popup(tree_->viewport()->mapToGlobal(at));
  });
  connect(showPreview_, &QCheckBox::toggled, this, &OpenGameDialog::describe);
  connect(showMarks_, &QCheckBox::toggled, this, &OpenGameDialog::refreshMarks);
  connect(player_, &QComboBox::currentIndexChanged, this, &OpenGameDialog::playerChanged);
  connect(ok_, &QPushButton::clicked, this, &OpenGameDialog::chooseSelected);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QIcon OpenGameDialog::picture(std::string_view name) {
  const QString key = Text(name);
  if (key.isEmpty() || !resources_) return {};
  auto found = pictures_.find(key);
  if (found == pictures_.end()) found = pictures_.insert(key, QIcon(QPixmap::fromImage(resources_->bitmap(key))));
  return *found;
}

QIcon OpenGameDialog::gameIcon(int type, int number) {
  return picture(GameIcon(type, playerMarks_ ? playerMarks_(number) : GameMark::Plain));
}

void OpenGameDialog::buildFolders() {
  for (const TreeFolder& folder : TreeFolders()) {
    QTreeWidgetItem* parent = folder.parent == 0 ? nullptr : folderItem(folder.parent);
    QTreeWidgetItem* item = NewItem(parent, Text(folder.caption), folder.code, Kind::Folder);
    if (!parent) tree_->addTopLevelItem(item);
    item->setIcon(0, picture(folder.picture));
    if (folder.listsGames) NewItem(item, {}, tree::Placeholder, Kind::Placeholder);
  }
}

QTreeWidgetItem* OpenGameDialog::folderItem(int code) const {
  for (QTreeWidgetItemIterator it(tree_); *it; ++it)
    if (KindOf(*it) == Kind::Folder && CodeOf(*it) == code) return *it;
  return nullptr;
}

void OpenGameDialog::addEntries(QTreeWidgetItem* parent, const std::vector<TreeEntry>& entries) {
  for (const TreeEntry& entry : entries) {
    const Kind kind = entry.code >= 0 ? Kind::Game : entry.code == tree::FavouriteFolder ? Kind::Folder : Kind::Hint;
    QTreeWidgetItem* item = NewItem(parent, Text(entry.caption), entry.code, kind);
    if (kind == Kind::Game) {
      item->setData(0, TypeRole, entry.type);
      item->setIcon(0, gameIcon(entry.type, entry.code));
    } else if (kind == Kind::Folder) {
      item->setIcon(0, picture("TREE1"));
      addEntries(item, entry.children);
    }
  }
}

// A folder still holding its placeholder is filled with its games.
void OpenGameDialog::fill(QTreeWidgetItem* folder) {
  if (KindOf(folder) != Kind::Folder || folder->childCount() != 1 || KindOf(folder->child(0)) != Kind::Placeholder)
    return;
  delete folder->takeChild(0);
  addEntries(folder, FolderEntries(game_.catalogue(), game_.preferences().open(), CodeOf(folder)));
}

void OpenGameDialog::rebuildFolder(int folderCode) {
  QTreeWidgetItem* folder = folderItem(folderCode);
  if (!folder) return;
  const bool expanded = folder->isExpanded();
  qDeleteAll(folder->takeChildren());
  NewItem(folder, {}, tree::Placeholder, Kind::Placeholder);
  if (expanded) fill(folder);
}

void OpenGameDialog::refreshMarks() {
  playerMarks_ = showMarks_->isChecked() && marks_ ? marks_(game_.store().playerName()) : MarkLookup();
  for (QTreeWidgetItemIterator it(tree_); *it; ++it)
    if (KindOf(*it) == Kind::Game) (*it)->setIcon(0, gameIcon((*it)->data(0, TypeRole).toInt(), CodeOf(*it)));
}

void OpenGameDialog::refreshPlayers() {
  const QSignalBlocker quiet(player_);
  player_->clear();
  for (const std::string& name : ReadPlayers(game_.preferences().open())) player_->addItem(Text(name));
  const QString current = Text(game_.store().playerName());
  if (player_->findText(current) < 0) player_->addItem(current);
  player_->setCurrentText(current);
}

void OpenGameDialog::playerChanged() {
  game_.store().write(store::UserDefault, player_->currentText().toStdString());
  refreshMarks();
}

// Opens `folderCode` and selects the game in it; a custom game not found
// there is looked for among the customized games.
void OpenGameDialog::openAt(int folderCode, int gameNumber) {
  tree_->collapseAll();
  QTreeWidgetItem* folder = folderItem(OpeningFolder(folderCode));
  auto findGame = [&](QTreeWidgetItem* in) -> QTreeWidgetItem* {
    for (int i = 0; in && i < in->childCount(); ++i)
      if (KindOf(in->child(i)) == Kind::Game && CodeOf(in->child(i)) == gameNumber) return in->child(i);
    return nullptr;
  };
  fill(folder);
  QTreeWidgetItem* selected = findGame(folder);
  if (!selected && gameNumber >= kFirstCustomGame) {
    folder = folderItem(tree::Customized);
    fill(folder);
    selected = findGame(folder);
  }
  for (QTreeWidgetItem* up = folder; up; up = up->parent()) up->setExpanded(true);
  tree_->setCurrentItem(selected ? selected : folder);
  tree_->scrollToItem(tree_->currentItem());
}

int OpenGameDialog::selectedGame() const {
  const QTreeWidgetItem* item = tree_->currentItem();
  return item && KindOf(item) == Kind::Game ? CodeOf(item) : -1;
}

void OpenGameDialog::describe() {
  const int number = selectedGame();
  const auto description = number >= 0 ? DescribeGame(game_.catalogue(), number) : std::nullopt;
  ok_->setEnabled(description.has_value());
  const auto setFact = [this](QLabel* icon, QLabel* value, const std::string& text, const std::string& pictureName) {
    value->setText(Text(text));
    if (icon) icon->setPixmap(picture(pictureName).pixmap(kIconSize * 2));
  };
  GameDescription d = description.value_or(GameDescription{});
  name_->setText(description ? Text(d.name) : QString());
  setFact(timeIcon_, time_, d.time, d.timePicture);
  setFact(difficultyIcon_, difficulty_, d.difficulty, d.difficultyPicture);
  setFact(skillIcon_, skill_, d.skill, d.skillPicture);
  setFact(chanceIcon_, chance_, d.chance, d.chancePicture);
  decks_->setText(description ? QString::number(d.decks) : QString());
  redeals_->setText(Text(d.redeals));
  showPreview(description && showPreview_->isChecked() ? d.previewGame : -1);
}

void OpenGameDialog::showPreview(int game) {
  QImage picture;
  if (game >= 0 && resources_) picture = resources_->bitmap(Text(PreviewPictureName(game)), devicePixelRatioF());
  preview_->setPixmap(PreviewPixmap(picture, devicePixelRatioF()));
}

int OpenGameDialog::absolutePosition(const QTreeWidgetItem* item) const {
  int position = 0;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it, ++position)
    if (*it == item) return position;
  return -1;
}

void OpenGameDialog::chooseSelected() {
  const int number = selectedGame();
  if (number < 0) {
    game_.ui().showMessage("Velmora 2001", "Open a game", GameUi::Icon::Information);
    tree_->setFocus();
    return;
  }
  const QScreen* screen = this->screen();
  if (!game_.catalogue().CheckScreenForGame(number, screen ? screen->size().width() : 1024, game_.ui())) return;
  const QTreeWidgetItem* item = tree_->currentItem();
  const QTreeWidgetItem* parent = item->parent();
  const std::string name = item->text(0).toStdString();
  game_.preferences().update([&](IniDocument& file) {
    file.writeInt(kPreferenceSection, "Game", number);
    file.write(kPreferenceSection, "Game_Name", name);
    file.writeInt(kPreferenceSection, "Game_TreeNum", parent ? CodeOf(parent) : tree::AllGames);
    file.writeInt(kPreferenceSection, "Game_TreePos", absolutePosition(item));
    file.write(kPreferenceSection, "Open_Preview_Game", showPreview_->isChecked() ? "Y" : "N");
    file.write(kPreferenceSection, "Open_Show_Won_Lost", showMarks_->isChecked() ? "Y" : "N");
  });
  choice_ = Choice{number, name, player_->currentText().toStdString()};
  accept();
}

void OpenGameDialog::deleteSelected() {
  const int number = selectedGame();
  if (number < kFirstCustomGame) return;
  if (!DeleteCustomGame(game_, number, DeletionAskedFrom::AList)) return;
  rebuildFolder(tree::Customized);
  rebuildFolder(tree::Favourites);
  for (QTreeWidgetItemIterator it(tree_); *it;) {  // the game may be listed in other opened folders
    QTreeWidgetItem* item = *it;
    ++it;
    if (KindOf(item) == Kind::Game && CodeOf(item) == number) delete item;
  }
  describe();
}

void OpenGameDialog::doubleClicked(QTreeWidgetItem* item) {
  const int code = CodeOf(item);
  if (KindOf(item) == Kind::Game) {
    chooseSelected();
  } else if (code == tree::Customized || code == tree::CustomizeHint) {
    game_.ui().showMessage("Velmora 2001",
                           "To customize a game:\rselect the game you want to customize,\rthen choose the "
                           "\"Customize rules\" option from the Tools menu (or press Ctrl+R).",
                           GameUi::Icon::Information);
  }
}

void OpenGameDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && selectedGame() >= kFirstCustomGame) {
    deleteSelected();
    return;
  }
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !ok_->isEnabled()) {  // OK is off: say what it needs
    chooseSelected();
    return;
  }
  DialogBase::keyPressEvent(event);
}

std::optional<OpenGameDialog::Choice> OpenGameDialog::choose() {
  choice_.reset();
  savedGameWanted_ = false;
  const IniDocument file = game_.preferences().open();
  {
    const QSignalBlocker quietPreview(showPreview_), quietMarks(showMarks_);  // both are shown below
    showPreview_->setChecked(file.readString(kPreferenceSection, "Open_Preview_Game", "Y") != "N");
    showMarks_->setChecked(file.readString(kPreferenceSection, "Open_Show_Won_Lost", "N") == "Y");
  }
  refreshPlayers();
  openAt(static_cast<int>(file.readInt(kPreferenceSection, "Game_TreeNum", tree::AllGames)), game_.store().gameNumber());
  refreshMarks();
  describe();
  tree_->setFocus();
  exec();
  return choice_;
}

}  // namespace velmora
