// The Win32 file services on the real file system: text in code page 932,
// replaced whole or not at all, short forms of names it cannot hold, and the
// existence test. Batch files and the one-instance test are the journeys' work.
#include <atomic>
#include <thread>

#include "driver.h"
#include "win32/win32_platform.h"

namespace mosa {

namespace e2e {
namespace {

class Files : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(GetACP(), 932u) << "run the tests with LC_ALL=ja_JP.UTF-8"; }
  Win32Platform platform{L"mosa-trevlin.test.files"};
  TempFolder folder{L"files"};
};

TEST_F(Files, TextInCodePage932IsWrittenWholeOrNotAtAll) {
  const std::wstring path = folder / L"設定.ini";
  platform.write_text_file(path, {L"日本語", L"", L"C:\\work"}, CodePage::Ansi);
  EXPECT_EQ(read_bytes(path), "\x93\xfa\x96\x7b\x8c\xea\r\n\r\nC:\\work\r\n");
  // Nothing the code page cannot hold exactly ("é" has a best-fit look-alike),
  // and nothing over a file the user protected or hid.
  EXPECT_FALSE(platform.fits_code_page(L"café", CodePage::Ansi));
  EXPECT_THROW(platform.write_text_file(path, {L"fine", L"café"}, CodePage::Ansi), PlatformError);
  for (DWORD mark : {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN}) {
    SetFileAttributesW(path.c_str(), mark);
    EXPECT_THROW(platform.write_text_file(path, {L"new"}, CodePage::Ansi), PlatformError);
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  EXPECT_EQ(platform.read_text_file(path, 100), L"日本語\r\n\r\nC:\\work\r\n");
  EXPECT_FALSE(file_exists(folder / L"~mosa-trevlin-0.tmp"));

  // A batch file can name such a file by its short form; one still to be
  // written by the short form of its folder.
  TempFolder odd(L"café 한국 100%");
  write_bytes(odd / L"in café.vbs", "x");
  const std::wstring short_file = platform.short_path(odd / L"in café.vbs");
  EXPECT_TRUE(platform.fits_code_page(short_file, CodePage::Oem)) << testing::PrintToString(short_file);
  EXPECT_EQ(read_bytes(short_file), "x");
  EXPECT_EQ(platform.short_path(odd / L"out café.vbe"), platform.short_path(odd.path) + L"\\out café.vbe");
}

TEST_F(Files, OnlyVisibleOrdinaryFilesAndFoldersAreFound) {
  for (const wchar_t* name : {L"a.vbs", L"hidden.vbs"}) write_bytes(folder / name, "x");
  SetFileAttributesW((folder / L"hidden.vbs").c_str(), FILE_ATTRIBUTE_HIDDEN);
  for (const wchar_t* name : {L"dir.vbs", L"secret"}) CreateDirectoryW((folder / name).c_str(), nullptr);
  SetFileAttributesW((folder / L"secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(platform.find_file(folder / L"a.vbs"), L"a.vbs");
  EXPECT_EQ(platform.find_file(L"\\\\?\\" + folder / L"a.vbs"), L"a.vbs") << "a long path's mark";
  EXPECT_TRUE(platform.is_folder(folder / L"dir.vbs") && !platform.is_folder(folder / L"a.vbs"));
  // A rewrite changes the stamp; nothing there is not refused but missing.
  const std::optional<FileStamp> stamp = platform.stamp(folder / L"a.vbs");
  platform.write_text_file(folder / L"a.vbs", {L"x"}, CodePage::Ansi);
  EXPECT_TRUE(stamp && platform.stamp(folder / L"a.vbs") != stamp);
  EXPECT_THROW(platform.read_text_file(folder / L"no\\a.vbs", 1), FileNotFound);
  for (const std::wstring& path : {folder / L"hidden.vbs", folder / L"dir.vbs", folder / L"no\\a.vbs"})
    EXPECT_EQ(platform.find_file(path), L"") << testing::PrintToString(path);
  // Names no file can have are the system's to reject, not merely missing.
  for (const std::wstring& path : {folder / L"*.vbs", folder / L"a|b.vbs"})
    EXPECT_THROW(platform.find_file(path), PlatformError) << testing::PrintToString(path);
  EXPECT_EQ(platform.subfolders(folder.path), std::vector<std::wstring>{L"dir.vbs"});
}

// A read-only output is set aside and put back as it was; its copy can go.
TEST_F(Files, AReadOnlyOutputSetAsideComesBackReadOnly) {
  const std::wstring output = folder / L"a.vbe", copy = output + L".bak";
  write_bytes(output, "old");
  SetFileAttributesW(output.c_str(), FILE_ATTRIBUTE_READONLY);
  platform.copy_hidden(output, copy);
  platform.move_over(copy, output);
  EXPECT_EQ(read_bytes(output), "old");
  EXPECT_EQ(GetFileAttributesW(output.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
            DWORD{FILE_ATTRIBUTE_READONLY});
  platform.copy_hidden(output, copy);
  EXPECT_NO_THROW(platform.delete_file(copy));
  SetFileAttributesW(output.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Two starts of one folder: a window keeps the mark; one closing lets a start wait for it.
TEST(Instance, AStartWaitsForTheMarkOfAWindowThatIsClosing) {
  Win32Platform first{L"mosa-trevlin.test.instance"}, second{L"mosa-trevlin.test.instance"};
  std::atomic<int> step = 0;
  std::thread holder([&] {
    EXPECT_FALSE(first.another_instance_running());
    step = 1;
    wait_until([&] { return step == 2; });
    first.instance_ending();
    step = 3;
    Sleep(300);  // the window going
    first.release_instance();
  });
  ASSERT_TRUE(wait_until([&] { return step == 1; }));
  EXPECT_TRUE(second.another_instance_running());
  step = 2;
  wait_until([&] { return step == 3; });
  EXPECT_FALSE(second.another_instance_running());
  holder.join();
}

}  // namespace
}  // namespace e2e

}  // namespace mosa
