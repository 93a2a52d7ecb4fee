// The control model's one rule: a change runs its handling, the same value runs nothing.
#include <gtest/gtest.h>

#include "core/control.h"

namespace {
const ControlRow kRow{L"c", Kind::TextBox, L"Text1", L"tip", {0, 0, 10, 10}, 1};
}

TEST(ControlModel, ChangesRunHandlingOnceAndTellTheView) {
  int handled = 0, shown = 0;
  TextBox text(kRow);
  text.on_change = [&] { ++handled; };
  text.set_view_listener([&] { ++shown; });
  text.set_text(L"Text1");
  text.set_text(L"a");
  text.set_text(L"a");
  EXPECT_EQ(handled, 1);
  EXPECT_EQ(shown, 1);

  CheckBox box(kRow);
  box.on_click = [&] { ++handled; };
  box.set_value(0);
  box.set_value(2);
  box.toggle();
  EXPECT_EQ(box.value(), 1);
  box.toggle();
  EXPECT_EQ(box.value(), 0);
  EXPECT_EQ(handled, 4);
}

TEST(ControlModel, ComboSelectionPickAndTypedText) {
  int clicks = 0, picks = 0;
  ComboBox combo(kRow, {L"one", L"two"});
  combo.on_click = [&] { ++clicks; };
  combo.on_pick = [&] { ++picks; };
  EXPECT_EQ(combo.text(), L"Text1");
  combo.select(1);
  combo.select(1);
  combo.select(5);
  EXPECT_EQ(combo.text(), L"two");
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(picks, 0);
  combo.pick(1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(picks, 1);
  combo.type_text(L"twelve");
  EXPECT_EQ(combo.selected(), -1);
  combo.pick(1);
  EXPECT_EQ(combo.text(), L"two");
  EXPECT_EQ(clicks, 2);
}
