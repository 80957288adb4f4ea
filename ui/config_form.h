#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <array>

#include "storage/views.h"

namespace vostrelund {

class Checker;
class ConfigData;
class TAboutBox;
class TAlertForm;
class TLogForm;
class TSetupForm;
class WatchListEditor;
class WatchListModel;

// The configuration window: the watch list as a table, every command on it and on the checker, and the
// status bar in which every operation reports.
class TConfigForm : public QMainWindow, public StatusView, public ConfigWindowView {
  Q_OBJECT

 public:
  explicit TConfigForm(QWidget* parent = nullptr);
  ~TConfigForm() override;

  // Connects the window to the data it shows and the operations behind its commands.
  void Attach(ConfigData& data, WatchListEditor& editor, Checker& checker);
  void AttachDialogs(TSetupForm& setup, TLogForm& log, TAboutBox& about, const TAlertForm& alert);
  // Without a notification area the window is the program's only way in: it is shown at start and its
  // close box minimises it.
  void SetTrayAvailable(bool available) { TrayAvailable_ = available; }
  // Shown, restored when minimised, in front and active.
  void BringToFront();

  // StatusView
  void SetStatusText(StatusPanel panel, const std::string& text) override;
  QString StatusText(StatusPanel panel) const { return Panels_[panel]->text(); }
  // ConfigWindowView
  void SetEnabled(bool enabled) override;
  void SetBusyCursor(bool busy) override;
  void Repaint() override;
  void RefreshFileIcons() override;
  std::vector<size_t> SelectedRows() const override;
  void SetCaption(const std::string& caption) override;
  void SetViewLogEnabled(bool enabled) override;

  // The commands.
  void SpeedButton1Click();         // add files
  void Addfolderstructure1Click();  // add folder structure
  void Deletefile1Click();          // remove from backup
  void Backupnow1Click();
  void Pause1Click();
  void Closeconfiguration1Click();
  void Stopexit1Click();
  void Checkfix1Click();
  void Timersetup1Click();
  void Viewlog1Click();
  void About1Click();

  QTableView* FilesView;
  QStatusBar* StatusBar;
  QMenu* ListPopup;
  QAction* Pause1;
  QAction* Viewlog1;
  std::array<QToolButton*, 7> ToolButtons{};

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildToolBar(QWidget* bar);
  void BuildMenus();

  ConfigData* Data_ = nullptr;
  WatchListEditor* Editor_ = nullptr;
  Checker* Checker_ = nullptr;
  WatchListModel* Model_ = nullptr;
  TSetupForm* Setup_ = nullptr;
  TLogForm* Log_ = nullptr;
  TAboutBox* About_ = nullptr;
  const TAlertForm* Alert_ = nullptr;
  std::array<QLabel*, 3> Panels_{};
  bool TrayAvailable_ = true;
};

}  // namespace vostrelund
