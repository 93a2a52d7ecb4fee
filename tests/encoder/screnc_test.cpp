// The native screnc program, run in a scratch folder: what it writes, says and
// exits with, and that a failure leaves every file as it was.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "encoder/find_blocks.h"
#include "encoder/block.h"
#include "encoder/unicode.h"
#include "screnc/messages.h"
#include "screnc/posix_codec.h"
#include "screnc/posix_files.h"
#include "screnc/run.h"

namespace fs = std::filesystem;

namespace {

std::string utf8(std::u16string_view text) { return text_to_utf8(text).value(); }

class Screnc : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void put(const std::string& name, std::string_view bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  std::string get(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::map<std::string, std::string> snapshot() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir_))
      files[entry.path().filename()] = entry.is_regular_file() ? get(entry.path().filename()) : "/";
    files.erase("said.txt");
    return files;
  }

  struct Result {
    int status;
    std::string said;
  };
  Result run(const std::vector<std::string>& args) const {
    std::string command = "cd '" + dir_.string() + "' && '" SCRENC_PROGRAM "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    const int status = std::system((command + " >said.txt").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, get("said.txt")};
  }

  // The text of the blocks of a file, read in its own character set.
  std::u16string decoded(const std::string& name) const {
    const std::string bytes = get(name);
    const std::u16string text = file_text(bytes, posix_legacy_codec(bytes)).value();
    std::u16string plain;
    for (const FoundBlock& block : find_blocks(text)) {
      EXPECT_TRUE(block.valid);
      plain += decode_block(text, block.begin).value().plain;
    }
    return plain;
  }

  const fs::path dir_ = fs::temp_directory_path() / ("screnc-test-" + std::to_string(getpid()));
};

}  // namespace

TEST_F(Screnc, EachFailureSaysWhyNamesTheFileAndChangesNothing) {
  put("a.vbs", "MsgBox 1");
  put("old.vbe", "old");
  put("a.txt", "MsgBox 1");
  put("sjis.vbs", "\x81");
  put("bom.vbs", "\xEF\xBB\xBF\xC0\x80");
  put("open.asp", "a\r\n<% x");
  put("ro.vbe", "old");
  put("emoji.sct", "<?xml version=\"1.0\"?><script>w(\"\x93\xFA&#x1F600;\")</script>");
  fs::create_directory(dir_ / "dir.vbs");
  fs::permissions(dir_ / "ro.vbe", fs::perms::owner_read);
  const auto said = [](const std::u16string& message) { return utf8(message) + "\n"; };
  using Problem = ArgumentError::Problem;
  const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
      {{"a.vbs", "old.vbe"}, 1, said(failure_message(Failure::OutputExists, u"old.vbe"))},
      {{"/s", "a.vbs", "./a.vbs"}, 1, said(failure_message(Failure::OutputIsInput, u"./a.vbs"))},
      {{"none.vbs", "b.vbe"}, 1, said(failure_message(Failure::InputMissing, u"none.vbs"))},
      {{"dir.vbs", "b.vbe"}, 1, said(failure_message(Failure::InputUnreadable, u"dir.vbs"))},
      {{"a.txt", "b.vbe"}, 1, said(failure_message(Failure::UnknownExtension, u"a.txt"))},
      {{"sjis.vbs", "b.vbe"}, 1, said(failure_message(Failure::NotText, u"sjis.vbs"))},
      {{"bom.vbs", "b.vbe"}, 1, said(failure_message(Failure::NotText, u"bom.vbs", TextForm::Utf8Bom))},
      {{"a.vbs", "no/b.vbe"}, 1, said(failure_message(Failure::NoOutputFolder, u"no/b.vbe"))},
      {{"emoji.sct", "b.sct"}, 1, said(failure_message(Failure::NotWritable, u"b.sct"))},
      {{"/f", "a.vbs", "ro.vbe"}, 1, said(failure_message(Failure::WriteFailed, u"ro.vbe"))},
      {{"/f", "a.vbs", "dir.vbs"}, 1, said(failure_message(Failure::WriteFailed, u"dir.vbs"))},
      {{"open.asp", "b.asp"}, 1,
       said(encode_error_message(EncodeError(EncodeError::Problem::UnclosedSection, 2), u"open.asp"))},
      {{"/x", "a.vbs", "b.vbe"}, 2, said(argument_error_message({Problem::UnknownSwitch, u"/x"}))},
      {{"a.vbs"}, 2, said(argument_error_message({Problem::WrongCount, u""}))},
      {{"a.vbs", "b.vbe", "c"}, 2, said(argument_error_message({Problem::WrongCount, u""}))},
      {{"/l", "Perl", "a.vbs", "b.vbe"}, 2, said(argument_error_message({Problem::BadLanguage, u"Perl"}))},
      {{"a.vbs", "b.vbe", "-e", "txt"}, 2, said(argument_error_message({Problem::BadKind, u"txt"}))},
      {{"a.vbs", "b.vbe", "/E"}, 2, said(argument_error_message({Problem::MissingValue, u"/E"}))},
      {{"a.vbs", "b.vbe", "\xFF"}, 2, said(argument_not_utf8_message())},
  };
  const auto before = snapshot();
  for (const auto& [args, status, message] : cases) {
    const Result result = run(args);
    EXPECT_EQ(result.status, status) << args[0];
    EXPECT_EQ(result.said, message);
    EXPECT_EQ(snapshot(), before) << args[0];
  }
}

TEST_F(Screnc, WritesTheOutputAndSaysSoUnlessSilent) {
  put("a.vbs", "MsgBox 1\r\n");
  put("a.txt", "<p>");
  put("old.vbe", "old");
  put("new.vbe.screnc-0", "someone else's");
  const std::tuple<std::vector<std::string>, std::string, std::string> cases[] = {
      {{"a.vbs", "new.vbe"}, "new.vbe", utf8(success_message(u"a.vbs", u"new.vbe", 1)) + "\n"},
      {{"-S", "-F", "a.vbs", "old.vbe"}, "old.vbe", ""},
      // /e only for what the extension does not tell, with or without the dot.
      {{"/e", "htm", "/s", "a.vbs", "e.vbe"}, "e.vbe", ""},
      {{"/e", ".VBS", "/s", "a.txt", "t.vbe"}, "t.vbe", ""},
  };
  for (const auto& [args, output, message] : cases) {
    const Result result = run(args);
    EXPECT_EQ(result.status, 0) << args[0];
    EXPECT_EQ(result.said, message);
    EXPECT_EQ(decoded(output), utf8_to_text(get(args[args.size() - 2])));
  }
  // The language and the directive of an ASP page follow /l and /xl.
  put("p.asp", "<%x%>");
  const std::string section = "<%" + utf8(encode_block(u"x")) + "%>";
  EXPECT_EQ(run({"/s", "-L", "jscript", "p.asp", "j.asp"}).status, 0);
  EXPECT_EQ(get("j.asp"), "<%@ LANGUAGE = JScript.Encode %>\r\n" + section);
  EXPECT_EQ(run({"/s", "/XL", "p.asp", "x.asp"}).status, 0);
  EXPECT_EQ(get("x.asp"), section);
  EXPECT_EQ(run({"/?"}).said, utf8(usage_text()) + "\n");
  EXPECT_EQ(run({"/f", "/s", "a.vbs", "a.vbs"}).status, 0);
  EXPECT_EQ(decoded("a.vbs"), u"MsgBox 1\r\n");
  EXPECT_EQ(snapshot().size(), 10u) << "a temporary file was left";
  EXPECT_EQ(get("new.vbe.screnc-0"), "someone else's");
}

TEST_F(Screnc, KeepsTheCharacterSetOfTheInput) {
  const std::u16string text = u"MsgBox \"日本語\" ' ～\r\n";
  // Code page 932 has U+FF5E, not the look-alike U+301C.
  EXPECT_FALSE(Cp932Codec().to_bytes(u"〜"));
  const std::string cases[] = {
      "\xEF\xBB\xBF" + utf8(text),
      "\xFF\xFE" + text_to_utf16le(text).value(),
      utf8(text),
      Cp932Codec().to_bytes(text).value(),
  };
  for (const std::string& bytes : cases) {
    put("in.vbs", bytes);
    fs::remove(dir_ / "out.vbe");
    ASSERT_EQ(run({"/s", "in.vbs", "out.vbe"}).status, 0);
    const std::string out = get("out.vbe");
    EXPECT_EQ(text_form(out), text_form(bytes));
    EXPECT_EQ(&posix_legacy_codec(out), &posix_legacy_codec(bytes));
    EXPECT_EQ(decoded("out.vbe"), text);
  }
}

TEST(RunScrenc, ANameTheSystemCannotTakeIsAFailureNotACrash) {
  std::u16string said;
  const Utf8Codec codec;
  const PosixFiles files;
  const System system{[&](std::string_view) -> const LegacyCodec& { return codec; },
                      [&](std::u16string_view message) { said += message; }, files};
  EXPECT_EQ(run_screnc({u"a\xD800.vbs", u"b.vbe"}, system), kFileFailed);
  EXPECT_EQ(said, failure_message(Failure::Unexpected, u"a\xD800.vbs"));
}

TEST(Messages, EachFailureHasItsOwnText) {
  std::set<std::u16string> texts;
  for (int f = 0; f <= static_cast<int>(Failure::Unexpected); ++f)
    texts.insert(failure_message(static_cast<Failure>(f), u"ファイル.vbs"));
  for (int p = 0; p <= static_cast<int>(EncodeError::Problem::BlockMismatch); ++p)
    texts.insert(encode_error_message(EncodeError(static_cast<EncodeError::Problem>(p), 7), u"ファイル.vbs"));
  for (const std::u16string& text : texts) EXPECT_NE(text.find(u"\"ファイル.vbs\""), std::u16string::npos);
  for (int p = 0; p <= static_cast<int>(ArgumentError::Problem::WrongCount); ++p) {
    const auto problem = static_cast<ArgumentError::Problem>(p);
    const std::u16string text = argument_error_message({problem, u"/x"});
    EXPECT_TRUE(problem == ArgumentError::Problem::WrongCount ||
                text.find(u"\"/x\"") != std::u16string::npos);
    texts.insert(text);
  }
  EXPECT_EQ(texts.size(), 19u);
}
