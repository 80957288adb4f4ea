#include "ui/message_boxes.h"

#include <QFile>
#include <QMessageBox>

namespace vostrelund {

void MessageBoxes::ShowError(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::Critical, QFile::decodeName(QByteArray::fromStdString(caption)),
                  QFile::decodeName(QByteArray::fromStdString(text)), QMessageBox::Ok, Parent_);
  box.exec();
}

}  // namespace vostrelund
