#include "storage/watch_editor.h"

#include "platform/file_system.h"

namespace vostrelund {

namespace {
constexpr char kAddFilesCaption[] = "Add files failed";
constexpr char kAddFoldersCaption[] = "Add folders";
}  // namespace

WatchListEditor::WatchListEditor(ConfigData& data, DialogView& dialogs, TimerView& mainTimer,
                                 ConfigWindowView& window)
    : Data_(data), Dialogs_(dialogs), MainTimer_(mainTimer), Window_(window) {}

WatchListEditor::Outcome WatchListEditor::AddFile(const std::string& leaf, const std::string& folder,
                                                  const std::string& caption, CopyBuffer& buffer) {
  WatchList& list = Data_.Files();
  const std::string path = folder + leaf;
  // Two paths with one backup name would share one copy, and a fix would restore one file with the
  // other's content.
  if (list.BackupNameClash(leaf, folder)) {
    Dialogs_.ShowError("Error: Another watched file has the same backup name as " + path, caption);
    return Outcome::Skipped;
  }
  for (const size_t same : list.FindSameFile(leaf, folder))
    list.BatchRemove(same);
  const FileCopy copy = RefreshFileWithTimestamp(path, Data_.BackupPath(path), buffer);
  switch (copy.Status) {
    case CopyStatus::SourceUnreadable:
      Dialogs_.ShowError("Error: File cannot be read: " + leaf, caption);
      return Outcome::Skipped;
    case CopyStatus::TargetUncreatable:
    case CopyStatus::CopyFailed:
      Dialogs_.ShowError("Error: Unable to create backup file", caption);
      return Outcome::Stop;
    case CopyStatus::Copied:
      break;
  }
  list.BatchInsert({leaf, folder, SizeText(copy.Bytes), "Not checked"});
  return Outcome::Added;
}

void WatchListEditor::SpeedButton1Click() {
  if (Data_.Files().InBatch())
    return;  // asked for from inside another add's message box
  CopyBuffer buffer = MakeCopyBuffer();
  MainTimer_.Stop();
  const std::vector<std::string> chosen = Dialogs_.ChooseFiles("Add file(s)", "All files (*.*)|*.*");
  WatchList& list = Data_.Files();
  list.BeginBatch();
  for (const std::string& path : chosen) {
    const size_t cut = path.rfind(list.Style().Separator) + 1;  // npos + 1 == 0: no folder at all
    if (AddFile(path.substr(cut), path.substr(0, cut), kAddFilesCaption, buffer) == Outcome::Stop)
      break;
  }
  list.EndBatch();
  MainTimer_.Start();
  Window_.RefreshFileIcons();
  Data_.SaveFileList();
}

void WatchListEditor::Addfolderstructure1Click() {
  if (Data_.Files().InBatch())
    return;
  MainTimer_.Stop();
  Window_.SetEnabled(false);
  Window_.SetBusyCursor(true);
  const std::string folder = Dialogs_.ChooseFolder("Add folder structure");
  if (!folder.empty())
    AddFolderTree(folder);
  // Saved like Add file(s): a reload of the list (every showing of the configuration window) must not
  // drop the rows just added.
  Data_.SaveFileList();
  MainTimer_.Start();
  Window_.SetEnabled(true);
  Window_.SetBusyCursor(false);
}

void WatchListEditor::AddFolderTree(const std::string& folder) {
  CopyBuffer buffer = MakeCopyBuffer();
  WatchList& list = Data_.Files();
  const bool outermost = !list.InBatch();
  if (outermost)
    list.BeginBatch();
  WalkFolder(folder, buffer);
  if (outermost) {
    list.EndBatch();
    Window_.RefreshFileIcons();
  }
}

void WatchListEditor::WalkFolder(const std::string& folder, CopyBuffer& buffer) {
  const char separator = Data_.Files().Style().Separator;
  const std::string prefix = !folder.empty() && folder.back() == separator ? folder : folder + separator;
  const std::optional<std::vector<FolderEntry>> entries = ReadFolder(prefix);
  if (!entries)
    return;
  for (const FolderEntry& entry : *entries) {
    if (entry.Kind == EntryKind::Folder) {
      WalkFolder(prefix + entry.Name, buffer);
    } else if (entry.Kind == EntryKind::File) {
      // A backup copy that cannot be made ends this folder; the walk goes on in the parent.
      if (AddFile(entry.Name, prefix, kAddFoldersCaption, buffer) == Outcome::Stop)
        return;
    }
  }
}

void WatchListEditor::Deletefile1Click() {
  WatchList& list = Data_.Files();
  if (list.InBatch())
    return;
  const std::vector<size_t> selected = Window_.SelectedRows();
  MainTimer_.Stop();
  if (!selected.empty()) {
    if (!Dialogs_.AskYesNo(
            "Are you sure you want to remove backup and disabling keeping of this/these file(s)?",
            "Remove from list", MessageIcon::Question, false)) {
      MainTimer_.Start();
      return;
    }
    for (const size_t row : selected)
      DeleteFile(Data_.BackupPath(list.FullPath(row)));  // missing: fine
    list.RemoveRows(selected);
    Window_.RefreshFileIcons();
  }
  Data_.SaveFileList();
  MainTimer_.Start();
}

}  // namespace vostrelund
