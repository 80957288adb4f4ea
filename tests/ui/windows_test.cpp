#include <gtest/gtest.h>

#include <QLabel>

#include "ui/config_form.h"
#include "ui/main_form.h"
#include "ui/name_collation.h"

namespace vostrelund {
namespace {

TEST(TMainForm, IsHiddenAndCarriesTheTrayIconWithItsHint) {
  TMainForm form;
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.windowTitle(), "Main");
  ASSERT_NE(form.TrayIcon, nullptr);
  EXPECT_EQ(form.TrayIcon->toolTip(), "Tessaryne Vostrelund");
  EXPECT_FALSE(form.TrayIcon->icon().isNull());
}

TEST(TConfigForm, ShowsTheThreeStatusPanels) {
  TConfigForm form;
  form.SetStatusText(kFileCountPanel, " 3 file(s)");
  form.SetStatusText(kStatusPanel, "Status: [Unchecked]");
  form.SetStatusText(kActivityPanel, " Checking in progress...");
  const auto* panel = form.findChild<QLabel*>("StatusPanel1");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->text(), "Status: [Unchecked]");
  EXPECT_EQ(form.StatusText(kFileCountPanel), " 3 file(s)");
  EXPECT_EQ(form.StatusText(kActivityPanel), " Checking in progress...");
}

TEST(LocaleNameOrder, FollowsTheLocaleAndTellsCaseApart) {
  const NameOrder english = LocaleNameOrder(QLocale("en_US"));
  const char* ordered[] = {"_x", "a", "A", "b", "B", "\xc3\xa9"};  // é last
  for (size_t i = 0; i + 1 < std::size(ordered); ++i) {
    EXPECT_LT(english(ordered[i], ordered[i + 1]), 0) << ordered[i] << " " << ordered[i + 1];
    EXPECT_GT(english(ordered[i + 1], ordered[i]), 0) << ordered[i] << " " << ordered[i + 1];
  }
  EXPECT_EQ(english("index.html", "index.html"), 0);
  EXPECT_NE(english("Index.html", "index.html"), 0);
  const NameOrder c = LocaleNameOrder(QLocale::c());
  EXPECT_LT(c("B", "a"), 0);  // code point order
}

}  // namespace
}  // namespace vostrelund
