#include "checks.h"

#include <algorithm>

namespace e2e {

std::vector<std::wstring> first_start_lines() {
  return {kDefaultEncoder, L"vbs", L"on", L"off", L"", L"", L"", L"", L"", L".vbe",
          L"off", L"off", L"off", L"off", L"on", L"vb", L""};
}

Box expect_box(const App& app, const std::wstring& text, const std::wstring& title, int style) {
  const Box box = app.wait_box();
  SCOPED_TRACE("message box \"" + u8(box.text) + "\"");
  EXPECT_EQ(u8(box.text), u8(text));
  EXPECT_EQ(u8(box.title), u8(title));
  std::vector<int> buttons;
  Box::Icon icon = Box::Icon::None;
  switch (style) {
    case kYesNoCancel: buttons = {IDCANCEL, IDYES, IDNO}; break;
    case kYesNo: buttons = {IDYES, IDNO}; break;
    case kWarning: buttons = {IDOK}; icon = Box::Icon::Exclamation; break;
    case kInformation: buttons = {IDOK}; icon = Box::Icon::Information; break;
  }
  EXPECT_EQ(box.buttons, buttons) << "buttons of style " << style;
  EXPECT_EQ(static_cast<int>(box.icon()), static_cast<int>(icon))
      << "icon of style " << style << " (0 none, 1 exclamation, 2 information, 3 other)";
  return box;
}

void answer_box(const App& app, const std::wstring& text, const std::wstring& title, int style, int answer) {
  expect_box(app, text, title, style).answer(answer);
  app.settle();
}

void expect_no_box(const App& app) {
  const auto box = app.open_box();
  EXPECT_FALSE(box.has_value()) << "unexpected message box \"" << u8(box ? box->text : L"") << "\"";
  if (box) box->answer(box->buttons.empty() ? IDOK : box->buttons.front());
}

std::wstring asked_output_path(const App& app) {
  app[L"ochk2"].post_click();
  const Box box = app.wait_box();
  box.answer(IDNO);
  app.settle();
  const std::wstring tail = L" を上書きします。";
  if (box.text.size() < tail.size() || box.text.compare(box.text.size() - tail.size(), tail.size(), tail) != 0)
    throw DriverError("not the overwrite question: " + u8(box.text));
  return box.text.substr(0, box.text.size() - tail.size());
}

std::vector<std::wstring> saved_lines(const App& app) {
  const auto bytes = app.read(kSettingsFile);
  EXPECT_TRUE(bytes.has_value()) << "no settings file";
  return bytes ? cp932_lines(*bytes) : std::vector<std::wstring>{};
}

std::vector<std::wstring> tab_cycle(const App& app, const std::wstring& first) {
  const Form window = app.main();
  std::vector<std::wstring> visited;
  std::wstring focus;
  constexpr int kMaxPresses = 40;
  for (int i = 0; i < kMaxPresses; ++i) {
    app.press(VK_TAB);
    app.settle();
    focus = window.focused();
    visited.push_back(focus);
    if (visited.size() > 1 && focus == visited.front()) {
      visited.pop_back();
      const auto start = std::find(visited.begin(), visited.end(), first);
      if (start != visited.end()) std::rotate(visited.begin(), start, visited.end());
      return visited;
    }
  }
  ADD_FAILURE() << "Tab never came back to where it first went";
  return visited;
}

int pixels(int twips) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return MulDiv(twips, dpi, 1440);
}

std::vector<std::wstring> log_lines(const App& app) {
  const auto bytes = app.read(kLogFile);
  EXPECT_TRUE(bytes.has_value()) << "no log file";
  return bytes ? cp932_lines(*bytes) : std::vector<std::wstring>{};
}

std::vector<std::wstring> encoder_arguments(const std::vector<std::wstring>& log) {
  std::vector<std::wstring> arguments;
  for (const auto& line : log)
    if (line.rfind(L"arg", 0) == 0 && line.rfind(L"argc=", 0) != 0)
      arguments.push_back(line.substr(line.find(L'=') + 1));
  return arguments;
}

bool batch_removed(const App& app) {
  return wait_until([&] { return !file_exists(app.path(kBatchFile)); });
}

}  // namespace e2e
