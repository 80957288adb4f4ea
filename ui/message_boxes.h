#pragma once

#include <QWidget>

#include "storage/views.h"

namespace vostrelund {

// Message boxes as the program's windows show them.
class MessageBoxes : public DialogView {
 public:
  explicit MessageBoxes(QWidget* parent = nullptr) : Parent_(parent) {}
  void ShowError(const std::string& text, const std::string& caption) override;

 private:
  QWidget* Parent_;
};

}  // namespace vostrelund
