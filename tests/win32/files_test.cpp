// Files and folders on the real file system: text files in code page 932, the
// existence test, short names and the folder chooser's listings.
#include "test_support.h"
#include "win32/win32_platform.h"

namespace {

class Files : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(GetACP(), 932u) << "run the tests with LC_ALL=ja_JP.UTF-8"; }
  Win32Platform platform{L"mosa-trevlin.test.files"};
  ScratchFolder folder;
};

// "日本語のテキスト" in Shift-JIS.
const char kJapaneseBytes[] = "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x65\x83\x4c\x83\x58\x83\x67";

TEST_F(Files, TextRoundTripsThroughCodePage932WithCrLf) {
  const std::wstring path = folder / L"設定.ini";
  platform.write_text_file(path, {L"a much longer first version", L"to be replaced"},
                           CodePage::Ansi);
  platform.write_text_file(path, {L"日本語のテキスト", L"", L"C:\\work"}, CodePage::Ansi);

  EXPECT_EQ(read_bytes(path), std::string(kJapaneseBytes) + "\r\n\r\nC:\\work\r\n");
  EXPECT_EQ(platform.read_text_file(path, 1000), L"日本語のテキスト\r\n\r\nC:\\work\r\n");
  EXPECT_EQ(platform.read_text_file(path, 4), L"日本");
  EXPECT_FALSE(exists(path + L".new"));
}

TEST_F(Files, RefusedWritesLeaveTheOldFileAsItWas) {
  const std::wstring path = folder / L"old.txt";
  write_bytes(path, "old\r\n");
  EXPECT_THROW(platform.write_text_file(path, {L"fine", L"café"}, CodePage::Ansi), PlatformError);
  EXPECT_THROW(platform.write_text_file(path, {L"\U0001F600"}, CodePage::Oem), PlatformError);
  EXPECT_EQ(read_bytes(path), "old\r\n");
  EXPECT_FALSE(exists(path + L".new"));

  // The same test, without writing; best-fit look-alikes ("é" as "e") do not count.
  EXPECT_TRUE(platform.fits_code_page(L"日本語 ｶﾅ C:\\a b\\①", CodePage::Ansi));
  EXPECT_FALSE(platform.fits_code_page(L"café", CodePage::Ansi));
  EXPECT_FALSE(platform.fits_code_page(L"한국어", CodePage::Oem));

  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_THROW(platform.write_text_file(path, {L"new"}, CodePage::Ansi), PlatformError);
  EXPECT_EQ(read_bytes(path), "old\r\n");
  EXPECT_FALSE(exists(path + L".new"));
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Files, ReadingToleratesStrayBytesButNotAMissingFile) {
  const std::wstring path = folder / L"bytes.txt";
  write_bytes(path, "ok\r\n\xff\x81");
  const std::wstring text = platform.read_text_file(path, 100);
  EXPECT_EQ(text.substr(0, 4), L"ok\r\n");
  EXPECT_GT(text.size(), 4u);
  EXPECT_THROW(platform.read_text_file(folder / L"missing.txt", 100), PlatformError);

  platform.delete_file(path);
  EXPECT_FALSE(exists(path));
  EXPECT_THROW(platform.delete_file(path), PlatformError);
}

TEST_F(Files, ExistenceTestFindsOnlyOrdinaryFilesAtExactlyThatPath) {
  write_bytes(folder / L"a.vbs", "x");
  write_bytes(folder / L"hidden.vbs", "x");
  write_bytes(folder / L"system.vbs", "x");
  SetFileAttributesW((folder / L"hidden.vbs").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesW((folder / L"system.vbs").c_str(), FILE_ATTRIBUTE_SYSTEM);
  CreateDirectoryW((folder / L"dir.vbs").c_str(), nullptr);

  EXPECT_EQ(platform.find_file(folder / L"a.vbs"), L"a.vbs");
  const std::wstring absent[] = {
      folder / L"hidden.vbs", folder / L"system.vbs", folder / L"dir.vbs",   folder / L"*.vbs",
      folder / L"a.vb?",      folder / L"b.vbs",      folder / L"no\\a.vbs", L"",
  };
  for (const std::wstring& path : absent)
    EXPECT_EQ(platform.find_file(path), L"") << testing::PrintToString(path);
}

TEST_F(Files, ShortPathsOfOddNamesLeadToTheSameFile) {
  ScratchFolder odd(L" app 100%done% & a^b 日本");
  const std::wstring file = odd / L"長い名前 のファイル.vbs";
  write_bytes(file, "x");

  const std::wstring short_file = platform.short_path(file);
  EXPECT_EQ(short_file.find(L' '), std::wstring::npos) << testing::PrintToString(short_file);
  wchar_t long_form[MAX_PATH] = L"";
  GetLongPathNameW(short_file.c_str(), long_form, MAX_PATH);
  EXPECT_EQ(lstrcmpiW(long_form, file.c_str()), 0) << testing::PrintToString(short_file);

  // A file still to be written: the folder's short form and the name as given.
  const std::wstring short_folder = platform.short_path(odd.path());
  EXPECT_EQ(platform.short_path(odd / L"new out.vbe"), short_folder + L"\\new out.vbe");
  EXPECT_EQ(platform.short_path(odd / L"no folder\\x.vbe"), L"");
  EXPECT_EQ(platform.short_path(L""), L"");
}

TEST_F(Files, FolderListingsShowVisibleFoldersInNameOrder) {
  for (const wchar_t* name : {L"beta", L"Alpha", L"gamma", L"secret"})
    CreateDirectoryW((folder / name).c_str(), nullptr);
  SetFileAttributesW((folder / L"secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
  write_bytes(folder / L"a file", "x");

  EXPECT_EQ(platform.subfolders(folder.path()),
            (std::vector<std::wstring>{L"Alpha", L"beta", L"gamma"}));
  EXPECT_EQ(platform.subfolders(folder / L"beta"), std::vector<std::wstring>{});
  EXPECT_THROW(platform.subfolders(folder / L"missing"), PlatformError);
  EXPECT_FALSE(platform.subfolders(L"C:\\").empty());
}

TEST_F(Files, DrivesAreListedInLowerCaseAndAnUnknownDriveCannotBeRead) {
  const std::vector<std::wstring> drives = platform.drives();
  ASSERT_FALSE(drives.empty());
  EXPECT_EQ(drives.front(), L"c:");
  for (const std::wstring& drive : drives) EXPECT_TRUE(drive.size() == 2 && iswlower(drive[0]));
  EXPECT_TRUE(exists(platform.drive_folder(L"c:")));

  std::wstring unknown = L"b:";
  while (std::find(drives.begin(), drives.end(), unknown) != drives.end()) ++unknown[0];
  EXPECT_THROW(platform.drive_folder(unknown), PlatformError);
}

}  // namespace
