#pragma once

#include <QWidget>

#include "storage/views.h"

namespace vostrelund {

// Message boxes, questions and file choosers as the program's windows show them.
class MessageBoxes : public DialogView {
 public:
  explicit MessageBoxes(QWidget* parent = nullptr) : Parent_(parent) {}
  void ShowError(const std::string& text, const std::string& caption) override;
  bool AskYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                bool yesIsDefault) override;
  std::vector<std::string> ChooseFiles(const std::string& title, const std::string& filter) override;
  std::string ChooseFolder(const std::string& title) override;

 private:
  QWidget* Parent_;
};

// Texts cross the Qt boundary as the file system names them.
QString FromBytes(const std::string& text);
std::string ToBytes(const QString& text);

}  // namespace vostrelund
