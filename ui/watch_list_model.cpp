#include "ui/watch_list_model.h"

#include <QFileInfo>

#include "ui/message_boxes.h"

namespace vostrelund {

WatchListModel::WatchListModel(const WatchList& list, QObject* parent)
    : QAbstractTableModel(parent), List_(list) {
  // The file's own type decides its icon; the provider need not ask the desktop for each file's details.
  Icons_.setOptions(QFileIconProvider::DontUseCustomDirectoryIcons);
}

int WatchListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(List_.Size());
}

int WatchListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 4;
}

QVariant WatchListModel::data(const QModelIndex& index, int role) const {
  // A view may ask for a row that an operation has removed before the view was told.
  if (!index.isValid() || static_cast<size_t>(index.row()) >= List_.Size())
    return {};
  const auto row = static_cast<size_t>(index.row());
  if (role == Qt::DisplayRole) {
    switch (index.column()) {
      case 0:
        return FromBytes(List_.LeafName(row));
      case 1:
        return FromBytes(List_.FolderPath(row));
      case 2:
        return FromBytes(List_.SizeText(row));
      default:
        return FromBytes(List_.ActionHistory(row));
    }
  }
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::AlignVCenter | (index.column() == 2 ? Qt::AlignRight : Qt::AlignLeft));
  }
  if (role == Qt::DecorationRole && index.column() == 0) {
    auto cached = IconCache_.find(index.row());
    if (cached == IconCache_.end()) {
      // The file by its own path: a missing file shows no icon.
      const QFileInfo file(FromBytes(List_.FullPath(row)));
      cached = IconCache_.emplace(index.row(), file.exists() ? Icons_.icon(file) : QIcon()).first;
    }
    return cached->second;
  }
  return {};
}

QVariant WatchListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal)
    return {};
  if (role == Qt::DisplayRole) {
    static const char* const kHeadings[] = {"Filename", "Path", "Size", "Action history"};
    return section >= 0 && section < 4 ? QString(kHeadings[section]) : QString();
  }
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::AlignVCenter | (section == 2 ? Qt::AlignRight : Qt::AlignLeft));
  }
  return {};
}

void WatchListModel::Reset() {
  beginResetModel();
  IconCache_.clear();
  endResetModel();
}

void WatchListModel::TextsChanged() {
  if (List_.Size() > 0)
    emit dataChanged(index(0, 1), index(static_cast<int>(List_.Size()) - 1, 3));
}

}  // namespace vostrelund

namespace vostrelund {

void WatchListModel::RefreshIcons() {
  IconCache_.clear();
  if (List_.Size() > 0)
    emit dataChanged(index(0, 0), index(static_cast<int>(List_.Size()) - 1, 0), {Qt::DecorationRole});
}

}  // namespace vostrelund
