// The native screnc program, run in a scratch folder: what it writes, says and
// exits with, and that a failure leaves every file as it was.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "encoder/block.h"
#include "encoder/unicode.h"
#include "screnc/messages.h"
#include "screnc/posix_codec.h"
#include "screnc/posix_files.h"
#include "screnc/run.h"

namespace fs = std::filesystem;

namespace {

std::string utf8(std::u16string_view text) { return text_to_utf8(text).value(); }

std::string repeated(std::string_view text, std::size_t times) {
  std::string all;
  while (times-- > 0) all += text;
  return all;
}

class Screnc : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void put(std::initializer_list<std::pair<std::string, std::string_view>> files) {
    for (const auto& [name, bytes] : files) std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  std::string get(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Every name in the folder with its content ("/" for a folder), but the program's output.
  std::map<std::string, std::string> snapshot() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir_))
      files[entry.path().filename()] = entry.is_regular_file() ? get(entry.path().filename()) : "/";
    files.erase("said.txt");
    return files;
  }
  // The exit status and what the program printed; 124 when it took more than a minute.
  std::pair<int, std::string> run(const std::vector<std::string>& args) const {
    std::string command = "cd '" + dir_.string() + "' && timeout 60 '" SCRENC_PROGRAM "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    const int status = std::system((command + " >said.txt").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, get("said.txt")};
  }

  const fs::path dir_ = fs::temp_directory_path() / ("screnc-test-" + std::to_string(getpid()));
};

}  // namespace

TEST_F(Screnc, EachFailureSaysWhyNamesTheFileAndChangesNothing) {
  put({{"a.vbs", "MsgBox 1"}, {"old.vbe", "old"}, {"a.txt", "MsgBox 1"}, {"sjis.vbs", "\x81"},
       {"bom.vbs", "\xEF\xBB\xBF\xC0\x80"}, {"open.asp", "a\r\n<% x"}, {"ro.vbe", "old"},
       {"emoji.sct", "<?xml version=\"1.0\"?><script>w(\"\x93\xFA&#x1F600;\")</script>"}});
  fs::create_directory(dir_ / "dir.vbs");
  fs::permissions(dir_ / "ro.vbe", fs::perms::owner_read);
  ASSERT_EQ(mkfifo((dir_ / "fifo.vbe").c_str(), 0644), 0);
  fs::create_symlink("nowhere.vbe", dir_ / "dangling.vbe");
  using Problem = ArgumentError::Problem;
  const std::tuple<std::vector<std::string>, int, std::u16string> cases[] = {
      {{"a.vbs", "old.vbe"}, 1, failure_message(Failure::OutputExists, u"old.vbe")},
      {{"/s", "a.vbs", "./a.vbs"}, 1, failure_message(Failure::OutputIsInput, u"./a.vbs")},
      {{"none.vbs", "b.vbe"}, 1, failure_message(Failure::InputMissing, u"none.vbs")},
      // A name at the root is a path, not a switch.
      {{"/none.vbs", "b.vbe"}, 1, failure_message(Failure::InputMissing, u"/none.vbs")},
      // A link that leads nowhere is there all the same.
      {{"a.vbs", "dangling.vbe"}, 1, failure_message(Failure::OutputExists, u"dangling.vbe")},
      {{"dir.vbs", "b.vbe"}, 1, failure_message(Failure::InputUnreadable, u"dir.vbs")},
      {{"a.txt", "b.vbe"}, 1, failure_message(Failure::UnknownExtension, u"a.txt")},
      {{"sjis.vbs", "b.vbe"}, 1, failure_message(Failure::NotText, u"sjis.vbs")},
      {{"bom.vbs", "b.vbe"}, 1, failure_message(Failure::NotText, u"bom.vbs", TextForm::Utf8Bom)},
      {{"a.vbs", "no/b.vbe"}, 1, failure_message(Failure::NoOutputFolder, u"no/b.vbe")},
      {{"emoji.sct", "b.sct"}, 1, failure_message(Failure::NotWritable, u"b.sct")},
      {{"/f", "a.vbs", "ro.vbe"}, 1, failure_message(Failure::WriteFailed, u"ro.vbe")},
      {{"/f", "a.vbs", "dir.vbs"}, 1, failure_message(Failure::OutputNotFile, u"dir.vbs")},
      {{"/f", "a.vbs", "fifo.vbe"}, 1, failure_message(Failure::OutputNotFile, u"fifo.vbe")},
      {{"a.vbs", "/dev/null"}, 1, failure_message(Failure::OutputNotFile, u"/dev/null")},
      {{"open.asp", "b.asp"}, 1,
       encode_error_message(EncodeError(EncodeError::Problem::UnclosedSection, 2), u"open.asp")},
      {{"-x", "a.vbs", "b.vbe"}, 2, argument_error_message({Problem::UnknownSwitch, u"-x"})},
      {{"a.vbs"}, 2, argument_error_message({Problem::WrongCount, u""})},
      {{"a.vbs", "b.vbe", "c"}, 2, argument_error_message({Problem::WrongCount, u""})},
      {{"/l", "Perl", "a.vbs", "b.vbe"}, 2, argument_error_message({Problem::BadLanguage, u"Perl"})},
      {{"a.vbs", "b.vbe", "-e", "txt"}, 2, argument_error_message({Problem::BadKind, u"txt"})},
      {{"a.vbs", "b.vbe", "/E"}, 2, argument_error_message({Problem::MissingValue, u"/E"})},
      {{"a.vbs", "b.vbe", "\xFF"}, 2, argument_not_utf8_message()},
  };
  const auto before = snapshot();
  for (const auto& [args, status, message] : cases) {
    SCOPED_TRACE(testing::PrintToString(args));
    EXPECT_EQ(run(args), std::pair(status, utf8(message) + "\n"));
    EXPECT_EQ(snapshot(), before);
  }
}

TEST_F(Screnc, WritesTheOutputAndSaysSoUnlessSilent) {
  // Pages of tags the page's end cuts off, or of tags in a tag, are read in one
  // pass: in one per tag they would take hours.
  const std::string unclosed = repeated("<script a=\"", 50000),
                    unclosed_asp = repeated("<script runat=server ", 25000),
                    nested_asp = repeated("<SCRIPT\n", 60000) + ">",
                    cdata = "<script>" + repeated("<![CDATA[ ]]>", 40000) + "</script>";
  put({{"a.vbs", "MsgBox 1\r\n"}, {"a.txt", "<p>"}, {"p.asp", "<%x%>"}, {"old.vbe", "old"},
       {".screnc-0", "someone else's"}, {"private.vbe", "old"}, {"target.vbe", "old"},
       {"u.htm", unclosed}, {"u.asp", unclosed_asp}, {"n.asp", nested_asp}, {"c.sct", cdata}});
  fs::permissions(dir_ / "private.vbe", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("target.vbe", dir_ / "link.vbe");
  fs::create_symlink("made.vbe", dir_ / "dangling.vbe");
  const std::string vbs = utf8(encode_block(u"MsgBox 1\r\n")), asp = "<%" + utf8(encode_block(u"x")) + "%>";
  // The arguments, then what the output holds and what the program says.
  const std::tuple<std::vector<std::string>, std::string, std::u16string> cases[] = {
      {{"a.vbs", "new.vbe"}, vbs, success_message(u"a.vbs", u"new.vbe", 1) + u"\n"},
      {{"-S", "-F", "a.vbs", "old.vbe"}, vbs, u""},
      // /e only for what the extension does not tell, with or without the dot.
      {{"/e", "htm", "/s", "a.vbs", "e.vbe"}, vbs, u""},
      {{"/e", ".VBS", "/s", "a.txt", "t.vbe"}, utf8(encode_block(u"<p>")), u""},
      // The language and the directive of an ASP page follow /l and /xl.
      {{"/s", "-L", "jscript", "p.asp", "j.asp"}, "<%@ LANGUAGE = JScript.Encode %>\r\n" + asp, u""},
      {{"/s", "/XL", "p.asp", "x.asp"}, asp, u""},
      // The file a link leads to is written, also one that is not there yet.
      {{"/f", "/s", "a.vbs", "link.vbe"}, vbs, u""},
      {{"/f", "/s", "a.vbs", "dangling.vbe"}, vbs, u""},
      {{"/f", "/s", "a.vbs", "private.vbe"}, vbs, u""},
      {{"/s", "a.vbs", std::string(251, 'x') + ".vbe"}, vbs, u""},
      {{"/s", "u.htm", "u2.htm"}, unclosed, u""},
      {{"/s", "/xl", "u.asp", "u2.asp"}, unclosed_asp, u""},
      {{"/s", "/xl", "n.asp", "n2.asp"}, nested_asp, u""},
      {{"/s", "c.sct", "c2.sct"}, cdata, u""},
      {{"/f", "/s", "a.vbs", "a.vbs"}, vbs, u""},
  };
  for (const auto& [args, written, said] : cases) {
    SCOPED_TRACE(testing::PrintToString(args));
    EXPECT_EQ(run(args), std::pair(0, utf8(said)));
    EXPECT_EQ(get(args.back()), written);
  }
  EXPECT_EQ(run({"/?"}), std::pair(0, utf8(usage_text()) + "\n"));
  EXPECT_EQ(snapshot().size(), 24u) << "a temporary file was left";
  EXPECT_EQ(get(".screnc-0"), "someone else's");
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.vbe") && fs::is_symlink(dir_ / "dangling.vbe"));
  EXPECT_EQ(get("target.vbe") + get("made.vbe"), vbs + vbs);
  EXPECT_EQ(fs::status(dir_ / "private.vbe").permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(Screnc, KeepsTheCharacterSetOfTheInput) {
  // Code page 932 has U+FF5E, not the look-alike U+301C.
  EXPECT_FALSE(Cp932Codec().to_bytes(u"〜"));
  const auto in_each_form = [](std::u16string_view text) {
    return std::vector<std::string>{"\xEF\xBB\xBF" + utf8(text), "\xFF\xFE" + text_to_utf16le(text).value(),
                                    utf8(text), Cp932Codec().to_bytes(text).value()};
  };
  const std::u16string text = u"MsgBox \"日本語\" ' ～\r\n";
  const std::vector<std::string> inputs = in_each_form(text), outputs = in_each_form(encode_block(text));
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    put({{"in.vbs", inputs[i]}});
    EXPECT_EQ(run({"/s", "/f", "in.vbs", "out.vbe"}).first, 0);
    EXPECT_EQ(get("out.vbe"), outputs[i]) << i;
  }
}

TEST(RunScrenc, ANameTheSystemCannotTakeOrNoMemoryLeftIsAFailureNotACrash) {
  struct NoMemory : PosixFiles {
    bool exists(std::u16string_view) const override { throw std::bad_alloc(); }
  };
  const PosixFiles files;
  const NoMemory no_memory;
  const std::tuple<const Files&, int, std::u16string> cases[] = {
      {files, kFileFailed, failure_message(Failure::Unexpected, u"a\xD800.vbs")},
      {no_memory, kInternalError, failure_message(Failure::OutOfMemory, u"a\xD800.vbs")},
  };
  for (const auto& [system_files, status, message] : cases) {
    std::u16string said;
    const System system{posix_legacy_codec, [&](std::u16string_view text) { said += text; }, system_files};
    EXPECT_EQ(run_screnc({u"a\xD800.vbs", u"b.vbe"}, system), status);
    EXPECT_EQ(said, message);
  }
}

TEST(Messages, EachFailureHasItsOwnTextNamingTheFile) {
  std::set<std::u16string> texts;
  for (int f = 0; f <= static_cast<int>(Failure::Unexpected); ++f)
    texts.insert(failure_message(static_cast<Failure>(f), u"ファイル.vbs"));
  for (int p = 0; p <= static_cast<int>(EncodeError::Problem::BlockMismatch); ++p)
    texts.insert(encode_error_message(EncodeError(static_cast<EncodeError::Problem>(p), 7), u"ファイル.vbs"));
  // All but WrongCount, the last, name the argument at fault.
  for (int p = 0; p < static_cast<int>(ArgumentError::Problem::WrongCount); ++p)
    texts.insert(argument_error_message({static_cast<ArgumentError::Problem>(p), u"ファイル.vbs"}));
  for (const std::u16string& text : texts) EXPECT_NE(text.find(u"\"ファイル.vbs\""), std::u16string::npos);
  texts.insert(argument_error_message({ArgumentError::Problem::WrongCount, u""}));
  EXPECT_EQ(texts.size(), 21u);
}
