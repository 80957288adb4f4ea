#include "ui/config_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>

#include "checker/checker.h"
#include "storage/config_data.h"
#include "storage/watch_editor.h"
#include "ui/alert_form.h"
#include "ui/log_form.h"
#include "ui/message_boxes.h"
#include "ui/pictures.h"
#include "ui/product_forms.h"
#include "ui/setup_form.h"
#include "ui/watch_list_model.h"

namespace vostrelund {

TConfigForm::TConfigForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TConfigForm");
  setWindowTitle(kConfigCaption);
  setWindowIcon(TrayImage(0));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* bar = new QWidget(central);
  bar->setObjectName("CoolBar1");
  bar->setFixedHeight(65);
  BuildToolBar(bar);
  layout->addWidget(bar);

  FilesView = new QTableView(central);
  FilesView->setObjectName("FilesView");
  FilesView->setSelectionBehavior(QAbstractItemView::SelectRows);
  FilesView->setSelectionMode(QAbstractItemView::ExtendedSelection);
  FilesView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FilesView->setShowGrid(false);
  FilesView->setWordWrap(false);
  FilesView->setSortingEnabled(false);  // a click on a heading leaves the order as it is
  FilesView->verticalHeader()->hide();
  FilesView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  FilesView->verticalHeader()->setDefaultSectionSize(18);
  FilesView->horizontalHeader()->setSectionsClickable(false);
  FilesView->horizontalHeader()->setHighlightSections(false);
  FilesView->setContextMenuPolicy(Qt::CustomContextMenu);
  FilesView->installEventFilter(this);
  layout->addWidget(FilesView, 1);
  setCentralWidget(central);

  StatusBar = new QStatusBar(this);
  StatusBar->setObjectName("StatusBar");
  StatusBar->setSizeGripEnabled(false);
  setStatusBar(StatusBar);
  const std::array<int, 3> widths{100, 120, 0};
  for (size_t i = 0; i < Panels_.size(); ++i) {
    Panels_[i] = new QLabel(StatusBar);
    Panels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
    if (widths[i] > 0) {
      Panels_[i]->setFixedWidth(widths[i]);
      StatusBar->addWidget(Panels_[i]);
    } else {
      StatusBar->addWidget(Panels_[i], 1);
    }
  }
  BuildMenus();
  setFixedSize(574, 380 + menuBar()->sizeHint().height());
}

TConfigForm::~TConfigForm() = default;

void TConfigForm::BuildToolBar(QWidget* bar) {
  struct Button {
    const char* Name;
    const char* Caption;
    ToolPicture Picture;
    int X;
    void (TConfigForm::*Command)();
  };
  const Button buttons[] = {
      {"SpeedButton7", "Add folder", ToolPicture::AddFolder, 0, &TConfigForm::Addfolderstructure1Click},
      {"SpeedButton1", "Add file(s)", ToolPicture::AddFiles, 64, &TConfigForm::SpeedButton1Click},
      {"SpeedButton2", "Remove", ToolPicture::Remove, 128, &TConfigForm::Deletefile1Click},
      {"SpeedButton3", "Backup now", ToolPicture::BackupNow, 192, &TConfigForm::Backupnow1Click},
      {"SpeedButton4", "Timer setup", ToolPicture::TimerSetup, 256, &TConfigForm::Timersetup1Click},
      {"SpeedButton5", "Check / fix", ToolPicture::CheckFix, 320, &TConfigForm::Checkfix1Click},
      {"SpeedButton6", "Stop (exit)", ToolPicture::StopExit, 500, &TConfigForm::Stopexit1Click},
  };
  // The captions must fit 65 pixels: no padding around them, and a face a little smaller than the
  // desktop's sans-serif 8 point, which is wider than the face these buttons were laid out for.
  bar->setStyleSheet("QToolButton { padding: 0px; margin: 0px; font-size: 10px; }");
  for (size_t i = 0; i < std::size(buttons); ++i) {
    const Button& b = buttons[i];
    auto* button = new QToolButton(bar);
    button->setObjectName(b.Name);
    button->setText(b.Caption);
    button->setIcon(ToolImage(b.Picture));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setGeometry(b.X, 4, 65, 57);
    if (b.Command != nullptr)
      connect(button, &QToolButton::clicked, this, b.Command);
    ToolButtons[i] = button;
  }
}

void TConfigForm::BuildMenus() {
  const auto item = [this](QMenu* menu, const char* name, const char* caption,
                           void (TConfigForm::*command)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (command != nullptr)
      connect(action, &QAction::triggered, this, command);
    return action;
  };
  QMenu* file = menuBar()->addMenu("&File");
  item(file, "Addfiles1", "&Add file(s)...", &TConfigForm::SpeedButton1Click);
  item(file, "Addfolderstructure1", "Add &folder structure...", &TConfigForm::Addfolderstructure1Click);
  item(file, "Deletefile1", "&Remove from backup", &TConfigForm::Deletefile1Click);
  file->addSeparator();
  item(file, "Backupnow1", "&Backup now", &TConfigForm::Backupnow1Click);
  file->addSeparator();
  Pause1 = item(file, "Pause1", "&Pause", &TConfigForm::Pause1Click);
  Pause1->setCheckable(true);
  item(file, "Closeconfiguration1", "&Close configuration", &TConfigForm::Closeconfiguration1Click);
  item(file, "Stopexit1", "&Stop (exit)", &TConfigForm::Stopexit1Click);
  QMenu* setup = menuBar()->addMenu("&Setup");
  item(setup, "Timersetup1", "&Timer setup...", &TConfigForm::Timersetup1Click);
  item(setup, "Checkfix1", "&Check / fix", &TConfigForm::Checkfix1Click);
  Viewlog1 = item(setup, "Viewlog1", "View &log...", &TConfigForm::Viewlog1Click);
  Viewlog1->setEnabled(false);
  QMenu* help = menuBar()->addMenu("&Help");
  item(help, "About1", "&About...", &TConfigForm::About1Click);

  ListPopup = new QMenu(this);
  ListPopup->setObjectName("ListPopup");
  QAction* checkNow = item(ListPopup, "Checkfixnow1", "&Check / fix now", &TConfigForm::Checkfix1Click);
  QFont bold = checkNow->font();
  bold.setBold(true);
  checkNow->setFont(bold);
  ListPopup->setDefaultAction(checkNow);
  item(ListPopup, "Removefrombackup1", "&Remove from backup", &TConfigForm::Deletefile1Click);
  item(ListPopup, "Addfiles2", "&Add file(s)...", &TConfigForm::SpeedButton1Click);
  connect(FilesView, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { ListPopup->popup(FilesView->viewport()->mapToGlobal(at)); });
}

void TConfigForm::Attach(ConfigData& data, WatchListEditor& editor, Checker& checker) {
  Data_ = &data;
  Editor_ = &editor;
  Checker_ = &checker;
  Model_ = new WatchListModel(data.Files(), this);
  FilesView->setModel(Model_);
  QHeaderView* header = FilesView->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Fixed);
  const int widths[] = {150, 200, 80, 120};
  for (int column = 0; column < 4; ++column)
    header->resizeSection(column, widths[column]);
}

void TConfigForm::AttachDialogs(TSetupForm& setup, TLogForm& log, TAboutBox& about, const TAlertForm& alert) {
  Setup_ = &setup;
  Log_ = &log;
  About_ = &about;
  Alert_ = &alert;
}

void TConfigForm::Timersetup1Click() {
  Setup_->exec();
  SetViewLogEnabled(Data_->CurrentSettings().UseLog);
  Data_->SaveSettings();
  // A check started from the dialog may have raised alerts: the end of the modal showing enabled this
  // window again, but it waits for the alert dialog like after any other pass.
  if (Alert_->isVisible())
    setEnabled(false);
}

void TConfigForm::Viewlog1Click() {
  Checker_->Views().MainTimer.Stop();
  Log_->exec();
  Checker_->Views().MainTimer.Start();
}

void TConfigForm::About1Click() {
  About_->exec();
}

void TConfigForm::BringToFront() {
  showNormal();
  raise();
  activateWindow();
}

void TConfigForm::SetStatusText(StatusPanel panel, const std::string& text) {
  Panels_[panel]->setText(FromBytes(text));
}

void TConfigForm::SetEnabled(bool enabled) {
  setEnabled(enabled);
}

void TConfigForm::SetBusyCursor(bool busy) {
  if (busy) {
    setCursor(Qt::WaitCursor);
  } else {
    unsetCursor();
  }
}

void TConfigForm::Repaint() {
  if (Model_ != nullptr)
    Model_->TextsChanged();
  if (isVisible())
    repaint();
}

void TConfigForm::RefreshFileIcons() {
  if (Model_ != nullptr)
    Model_->Reset();
}

std::vector<size_t> TConfigForm::SelectedRows() const {
  std::vector<size_t> rows;
  if (FilesView->selectionModel() == nullptr)
    return rows;
  for (const QModelIndex& index : FilesView->selectionModel()->selectedRows()) {
    rows.push_back(static_cast<size_t>(index.row()));
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

void TConfigForm::SetCaption(const std::string& caption) {
  setWindowTitle(FromBytes(caption));
}

void TConfigForm::SetViewLogEnabled(bool enabled) {
  Viewlog1->setEnabled(enabled);
}

void TConfigForm::SpeedButton1Click() {
  Editor_->SpeedButton1Click();
}

void TConfigForm::Addfolderstructure1Click() {
  Editor_->Addfolderstructure1Click();
}

void TConfigForm::Deletefile1Click() {
  Editor_->Deletefile1Click();
}

void TConfigForm::Backupnow1Click() {
  Checker_->RunBackupNow();
}

void TConfigForm::Pause1Click() {
  // The item has already toggled its mark: the new mark is the state asked for.
  Checker_->SetPaused(Pause1->isChecked());
}

void TConfigForm::Closeconfiguration1Click() {
  close();
}

void TConfigForm::Stopexit1Click() {
  Checker_->StopAndExit();
}

void TConfigForm::Checkfix1Click() {
  const Settings& settings = Data_->CurrentSettings();
  Checker_->RunCheckPass(settings.CheckDates, settings.CheckData, true, true);
}

void TConfigForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (event->spontaneous() || Data_ == nullptr)
    return;
  // Every showing reads the list file afresh.
  Data_->LoadFileList();
  RefreshFileIcons();
  std::string caption = kConfigCaption;
  if (Checker_->Paused)
    caption += " - [PAUSED]";
  SetCaption(caption);
}

void TConfigForm::closeEvent(QCloseEvent* event) {
  // Closing never ends the program: the window is hidden, or minimised when there is no tray icon to
  // bring it back from.
  event->ignore();
  if (TrayAvailable_) {
    hide();
  } else {
    showMinimized();
  }
}

void TConfigForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // Activation looks the icons up again, keeping the selection.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && Model_ != nullptr)
    Model_->RefreshIcons();
}

bool TConfigForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FilesView && event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Insert:
        SpeedButton1Click();
        return true;
      case Qt::Key_Delete:
        Deletefile1Click();
        return true;
      default:
        break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace vostrelund
