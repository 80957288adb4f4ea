#pragma once

#include <QAbstractTableModel>
#include <QFileIconProvider>
#include <QIcon>
#include <unordered_map>

#include "storage/watch_list.h"

namespace vostrelund {

// The watch list as a table: four columns read straight from the rows, and each row's file icon looked
// up only when the row is painted, then kept until the icons are refreshed. A million rows open at once.
class WatchListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit WatchListModel(const WatchList& list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The rows were added, removed or reloaded: the view reads them again and the icons are looked up
  // afresh.
  void Reset();
  // Texts of rows changed in place.
  void TextsChanged();
  // The files may have come or gone: their icons are looked up again as the rows are painted.
  void RefreshIcons();

 private:
  const WatchList& List_;
  QFileIconProvider Icons_;
  mutable std::unordered_map<int, QIcon> IconCache_;
};

}  // namespace vostrelund
