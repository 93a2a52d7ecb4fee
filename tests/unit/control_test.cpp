// The control model's one rule: a different value is stored, shown and handled;
// the same value does nothing. Each step changes one thing and says what the view
// was told, which handlers ran and what the controls then hold.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/control.h"

namespace mosa {

TEST(ControlModel, ChangesAreShownAndHandledOnceAndRepeatsAreNot) {
  const ControlRow row{L"c", Kind::TextBox, L"Text1", L"tip", {}, 0};
  TextBox text(row);
  CheckBox box(row);
  ComboBox combo(row, {L"a", L"b"});
  DirList list(row);
  Window window(L"w", {}, 100);
  std::wstring told, ran;
  for (Control* c : std::initializer_list<Control*>{&text, &box, &combo, &list})
    c->set_view_listener([&, c] { told += c == &text ? L't' : c == &box ? L'b' : c == &combo ? L'c' : L'l'; });
  window.set_view_listener([&] { told += L'w'; });
  text.on_change = [&] { ran += L't'; };
  box.on_click = [&] { ran += L'b'; };
  combo.on_click = [&] { ran += L'c'; };
  combo.on_pick = [&] { ran += L'p'; };
  list.on_change = [&] { ran += L'l'; };
  list.on_click = [&] { ran += L'h'; };
  const auto state = [&] {
    return text.text() + L"|" + text.tooltip() + L"|" + std::to_wstring(text.visible()) +
           std::to_wstring(text.enabled()) + std::to_wstring(text.tab_stop()) + L"|" +
           std::to_wstring(box.value()) + L"|" + std::to_wstring(combo.selected()) + combo.text() +
           L"|" + list.path() + std::to_wstring(list.highlighted()) + L"|" +
           std::to_wstring(window.height()) + std::to_wstring(window.busy()) +
           std::to_wstring(window.unloaded());
  };
  const std::vector<DirEntry> folders = {{L"C:\\", L"C:\\", 0, true}, {L"w", L"C:\\w", 1, false}};
  struct Step {
    const char* what;
    std::function<void()> act;
    const wchar_t *told, *ran, *state;
  };
  const Step steps[] = {
      {"as laid out", [] {}, L"", L"", L"Text1|tip|111|0|-1Text1|-1|10000"},
      {"text", [&] { text.set_text(L"x"); }, L"t", L"t", L"x|tip|111|0|-1Text1|-1|10000"},
      {"same text", [&] { text.set_text(L"x"); }, L"", L"", L"x|tip|111|0|-1Text1|-1|10000"},
      {"caption", [&] { text.set_caption(L"y"); }, L"t", L"", L"y|tip|111|0|-1Text1|-1|10000"},
      {"same caption", [&] { text.set_caption(L"y"); }, L"", L"", L"y|tip|111|0|-1Text1|-1|10000"},
      {"tooltip", [&] { text.set_tooltip(L""); }, L"t", L"", L"y||111|0|-1Text1|-1|10000"},
      {"same tooltip", [&] { text.set_tooltip(L""); }, L"", L"", L"y||111|0|-1Text1|-1|10000"},
      {"hidden, disabled, no tab stop",
       [&] { text.set_visible(false), text.set_enabled(false), text.set_tab_stop(false); }, L"ttt",
       L"", L"y||000|0|-1Text1|-1|10000"},
      {"the same again",
       [&] { text.set_visible(false), text.set_enabled(false), text.set_tab_stop(false); }, L"", L"",
       L"y||000|0|-1Text1|-1|10000"},
      {"tick", [&] { box.set_value(1); }, L"b", L"b", L"y||000|1|-1Text1|-1|10000"},
      {"tick again", [&] { box.set_value(1); }, L"", L"", L"y||000|1|-1Text1|-1|10000"},
      {"click on ticked", [&] { box.toggle(); }, L"b", L"b", L"y||000|0|-1Text1|-1|10000"},
      {"greyed", [&] { box.set_value(2); }, L"b", L"b", L"y||000|2|-1Text1|-1|10000"},
      {"click on greyed", [&] { box.toggle(); }, L"b", L"b", L"y||000|1|-1Text1|-1|10000"},
      {"select", [&] { combo.select(1); }, L"c", L"c", L"y||000|1|1b|-1|10000"},
      {"same or no entry", [&] { combo.select(1), combo.select(2), combo.select(-2); }, L"", L"",
       L"y||000|1|1b|-1|10000"},
      {"pick of the same", [&] { combo.pick(1); }, L"", L"p", L"y||000|1|1b|-1|10000"},
      {"pick of none", [&] { combo.pick(-1), combo.pick(2); }, L"", L"", L"y||000|1|1b|-1|10000"},
      {"pick", [&] { combo.pick(0); }, L"c", L"cp", L"y||000|1|0a|-1|10000"},
      {"typed", [&] { combo.type_text(L"z"); }, L"c", L"", L"y||000|1|-1z|-1|10000"},
      {"typed again", [&] { combo.type_text(L"z"); }, L"", L"", L"y||000|1|-1z|-1|10000"},
      {"typed more", [&] { combo.type_text(L"zz"); }, L"c", L"", L"y||000|1|-1zz|-1|10000"},
      {"select none", [&] { combo.select(0), combo.select(-1); }, L"cc", L"cc",
       L"y||000|1|-1a|-1|10000"},
      {"new entries", [&] { combo.select(1), combo.set_entries({L"q"}); }, L"cc", L"c",
       L"y||000|1|-1b|-1|10000"},
      {"folder", [&] { list.show(L"C:\\w", folders); }, L"l", L"l", L"y||000|1|-1b|C:\\w1|10000"},
      {"same folder", [&] { list.show(L"C:\\w", folders); }, L"l", L"", L"y||000|1|-1b|C:\\w1|10000"},
      {"highlight", [&] { list.click(0), list.click(2), list.click(-1); }, L"l", L"h",
       L"y||000|1|-1b|C:\\w0|10000"},
      {"the first entry", [&] { list.show(L"C:\\", folders); }, L"l", L"l", L"y||000|1|-1b|C:\\0|10000"},
      {"a folder not listed", [&] { list.show(L"D:\\", folders); }, L"l", L"l", L"y||000|1|-1b|D:\\-1|10000"},
      {"height, busy, unloaded",
       [&] { window.set_height(50), window.set_busy(true), window.unload(); }, L"www", L"",
       L"y||000|1|-1b|D:\\-1|5011"},
      {"the same again",
       [&] { window.set_height(50), window.set_busy(true), window.unload(); }, L"", L"",
       L"y||000|1|-1b|D:\\-1|5011"},
  };
  for (const Step& step : steps) {
    told.clear();
    ran.clear();
    step.act();
    EXPECT_EQ(told, step.told) << step.what;
    EXPECT_EQ(ran, step.ran) << step.what;
    EXPECT_EQ(state(), step.state) << step.what;
  }
  EXPECT_FALSE(Label(ControlRow{L"l", Kind::Label, L"", L"", {}, 3}).tab_stop());
}

}  // namespace mosa
