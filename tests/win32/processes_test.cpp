// Processes: batch files in awkward folders, and the one-instance test.
#include "test_support.h"
#include "win32/win32_platform.h"

namespace {

TEST(Processes, BatchFileRunsFromAFolderWithCharactersTheInterpreterWouldTakeApart) {
  Win32Platform platform(L"mosa-trevlin.test.processes");
  ScratchFolder folder(L" app 100%done% & a^b 日本");
  ScratchFolder plain;
  const std::wstring batch = folder / L"run & go.bat";
  // The batch names its output by a plain path: Wine's interpreter, unlike
  // Windows', expands "%done%" again inside %~dp0.
  platform.write_text_file(batch, {L"@echo ran> \"" + (plain / L"out.txt") + L"\""}, CodePage::Oem);

  // With a variable of that name, an expanded path would lead elsewhere.
  SetEnvironmentVariableW(L"done", L"elsewhere");
  const std::unique_ptr<Process> process = platform.start_batch(batch, ShowMode::Minimized);
  SetEnvironmentVariableW(L"done", nullptr);
  EXPECT_EQ(process->finish(), 0);
  EXPECT_EQ(read_bytes(plain / L"out.txt"), "ran\r\n");
}

TEST(Processes, OnlyTheFirstInstanceFindsNoOtherRunning) {
  const std::wstring name = L"mosa-trevlin.test.instance." + std::to_wstring(GetCurrentProcessId());
  EXPECT_FALSE(Win32Platform(name).another_instance_running());
  // The first one's mark lives as long as the process, not as long as the object.
  EXPECT_TRUE(Win32Platform(name).another_instance_running());
  EXPECT_FALSE(Win32Platform(name + L".other").another_instance_running());
}

}  // namespace
