#include "ui/message_boxes.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

namespace vostrelund {

QString FromBytes(const std::string& text) {
  return QFile::decodeName(QByteArray::fromStdString(text));
}

std::string ToBytes(const QString& text) {
  return QFile::encodeName(text).toStdString();
}

void MessageBoxes::ShowError(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::Critical, FromBytes(caption), FromBytes(text), QMessageBox::Ok, Parent_);
  box.exec();
}

bool MessageBoxes::AskYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                            bool yesIsDefault) {
  QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Question,
                  FromBytes(caption), FromBytes(text), QMessageBox::Yes | QMessageBox::No, Parent_);
  box.setDefaultButton(yesIsDefault ? QMessageBox::Yes : QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::vector<std::string> MessageBoxes::ChooseFiles(const std::string& title, const std::string& filter) {
  // The filter comes as "description|pattern"; Qt takes the description, whose "(pattern)" it applies.
  // "*.*" means every file, but here it would leave out names without a dot.
  QString qtFilter = FromBytes(filter);
  if (const qsizetype bar = qtFilter.indexOf('|'); bar >= 0)
    qtFilter = qtFilter.left(bar);
  qtFilter.replace("(*.*)", "(*)");
  const QStringList chosen = QFileDialog::getOpenFileNames(Parent_, FromBytes(title), QString(), qtFilter);
  std::vector<std::string> paths;
  for (const QString& path : chosen)
    paths.push_back(ToBytes(QDir::cleanPath(path)));
  return paths;
}

std::string MessageBoxes::ChooseFolder(const std::string& title) {
  const QString folder = QFileDialog::getExistingDirectory(Parent_, FromBytes(title), QDir::homePath(),
                                                           QFileDialog::ShowDirsOnly);
  return folder.isEmpty() ? std::string() : ToBytes(QDir::cleanPath(folder));
}

}  // namespace vostrelund
