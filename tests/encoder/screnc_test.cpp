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
#include "encoder/encode_text.h"
#include "encoder/unicode.h"
#include "screnc/messages.h"
#include "screnc/posix_codec.h"
#include "screnc/posix_files.h"
#include "screnc/posix_names.h"
#include "screnc/run.h"

namespace screnc {

namespace fs = std::filesystem;
using namespace std::literals;

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
  // Every name in the folder with its content ("/" for a folder, the size for a
  // large file), but the program's output.
  std::map<std::string, std::string> snapshot() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir_))
      files[entry.path().filename()] = !entry.is_regular_file()     ? "/"
                                       : entry.file_size() > 1 << 20 ? std::to_string(entry.file_size())
                                                                     : get(entry.path().filename());
    files.erase("said.txt");
    return files;
  }
  // The exit status and what the program printed, errors included; 124 when it
  // took more than a minute.
  std::pair<int, std::string> run(const std::vector<std::string>& args) const {
    std::string command = "cd '" + dir_.string() + "' && timeout 60 '" SCRENC_PROGRAM "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    const int status = std::system((command + " >said.txt 2>&1").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, get("said.txt")};
  }

  const fs::path dir_ = fs::temp_directory_path() / ("screnc-test-" + std::to_string(getpid()));
};

}  // namespace

TEST_F(Screnc, EachFailureSaysWhyNamesTheFileAndChangesNothing) {
  put({{"a.vbs", "MsgBox 1"}, {"old.vbe", "old"}, {"a.txt", "MsgBox 1"}, {"sjis.vbs", "\x81"},
       {"be.vbs", "\xFE\xFF\0M"sv}, {"le.vbs", "M\0s\0"sv},
       {"bom.vbs", "\xEF\xBB\xBF\xC0\x80"}, {"open.asp", "a\r\n<% x"}, {"ro.vbe", "old"},
       {"emoji.sct", "<?xml version=\"1.0\"?><script>w(\"\x93\xFA&#x1F600;\")</script>"}});
  fs::create_directory(dir_ / "dir.vbs");
  fs::permissions(dir_ / "ro.vbe", fs::perms::owner_read);
  ASSERT_EQ(mkfifo((dir_ / "fifo.vbe").c_str(), 0644), 0);
  fs::create_symlink("nowhere.vbe", dir_ / "dangling.vbe");
  // Sparse: no disk is used, nothing is read.
  std::ofstream(dir_ / "big.vbs").close();
  fs::resize_file(dir_ / "big.vbs", kMostInputBytes + 1);
  using Problem = ArgumentError::Problem;
  const std::tuple<std::vector<std::string>, int, std::u16string> cases[] = {
      {{"a.vbs", "old.vbe"}, 1, failure_message(Failure::OutputExists, u"old.vbe")},
      {{"/s", "a.vbs", "./a.vbs"}, 1, failure_message(Failure::OutputIsInput, u"./a.vbs")},
      {{"none.vbs", "b.vbe"}, 1, failure_message(Failure::InputMissing, u"none.vbs")},
      // A name at the root may be a path or a mistyped switch.
      {{"/x", "a.vbs", "b.vbe"}, 2, argument_error_message({Problem::UnknownSwitchOrInput, u"/x"})},
      {{"big.vbs", "b.vbe"}, 1, failure_message(Failure::InputTooLarge, u"big.vbs", TextForm::Legacy, kMostInputBytes + 1)},
      // Its size is 0 and its text is not.
      {{"/e", "vbs", "/proc/version", "b.vbe"}, 1, failure_message(Failure::ShortRead, u"/proc/version")},
      {{"be.vbs", "b.vbe"}, 1, failure_message(Failure::Utf16BigEndian, u"be.vbs")},
      {{"le.vbs", "b.vbe"}, 1, failure_message(Failure::Utf16Unmarked, u"le.vbs")},
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
      {{"a.vbs", "b.vbe", "c"}, 2, argument_error_message({Problem::NoFolder, u"c"})},
      {{"*.vbs", "a.vbs"}, 2, argument_error_message({Problem::NoFolder, u"a.vbs"})},
      {{"/l", "Perl", "a.vbs", "b.vbe"}, 2, argument_error_message({Problem::BadLanguage, u"Perl"})},
      {{"a.vbs", "b.vbe", "-e", "txt"}, 2, argument_error_message({Problem::BadKind, u"txt"})},
      {{"a.vbs", "b.vbe", "/E"}, 2, argument_error_message({Problem::MissingValue, u"/E"})},
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
       {"u.htm", unclosed}, {"u.asp", unclosed_asp}, {"n.asp", nested_asp}, {"c.sct", cdata},
       {"dup.htm", "<p>\xED\x40\x87\x90</p><script>x\xED\x40</script>"}});
  const fs::perms kept = fs::perms::owner_read | fs::perms::owner_write | fs::perms::set_uid;
  fs::permissions(dir_ / "private.vbe", kept);
  fs::create_symlink("target.vbe", dir_ / "link.vbe");
  fs::create_symlink("made.vbe", dir_ / "dangling.vbe");
  const std::string vbs = utf8(encode_block(u"MsgBox 1\r\n")), asp = "<%" + utf8(encode_block(u"x")) + "%>";
  // The arguments, then what the output holds and what the program says.
  const std::tuple<std::vector<std::string>, std::string, std::u16string> cases[] = {
      {{"a.vbs", "new.vbe"}, vbs, success_message(u"a.vbs", u"new.vbe", 1, TextForm::Legacy, TextForm::Legacy) + u"\n"},
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
      // Code page 932's NEC rows (ED40, 8790) stay as they were outside the block.
      {{"/s", "dup.htm", "dup.html"}, "<p>\xED\x40\x87\x90</p>" +
       Cp932Codec().to_bytes(encode_text(u"<script>x纊</script>", FileKind::HtmlPage, {}).text).value(), u""},
  };
  for (const auto& [args, written, said] : cases) {
    SCOPED_TRACE(testing::PrintToString(args));
    EXPECT_EQ(run(args), std::pair(0, utf8(said)));
    EXPECT_EQ(get(args.back()), written);
  }
  EXPECT_EQ(run({"/?"}), std::pair(0, utf8(usage_text()) + "\n"));
  EXPECT_EQ(snapshot().size(), 26u) << "a temporary file was left";
  EXPECT_EQ(get(".screnc-0"), "someone else's");
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.vbe") && fs::is_symlink(dir_ / "dangling.vbe"));
  EXPECT_EQ(get("target.vbe") + get("made.vbe"), vbs + vbs);
  EXPECT_EQ(fs::status(dir_ / "private.vbe").permissions(), kept);
}

TEST_F(Screnc, WritesPagesInTheirFormAndScriptsInOneTheScriptHostReads) {
  // Code page 932 has U+FF5E, not the look-alike U+301C.
  EXPECT_FALSE(Cp932Codec().to_bytes(u"〜"));
  const auto in_form = [](std::u16string_view text, TextForm form) {
    return file_bytes(text, form, Cp932Codec()).value();
  };
  const std::u16string japanese = u"MsgBox \"日本語\" ' ～\r\n", ascii = u"MsgBox 1\r\n";
  using enum TextForm;
  // The input's form and text, then the form a plain script and a page are written in.
  const std::tuple<TextForm, std::u16string, TextForm, TextForm> cases[] = {
      {Utf8Bom, japanese, Utf16LeBom, Utf8Bom}, {Utf8, japanese, Utf16LeBom, Utf8},
      {Utf16LeBom, japanese, Utf16LeBom, Utf16LeBom}, {Legacy, japanese, Legacy, Legacy},
      {Legacy, ascii, Legacy, Legacy}};
  for (const auto& [form, text, script_form, page_form] : cases) {
    const std::u16string page = u"<p>" + text + u"<script>" + text + u"</script>";
    const std::tuple<std::string, std::u16string, std::string, TextForm, std::u16string> files[] = {
        {"in.vbs", text, "out.vbe", script_form, encode_block(text)},
        {"in.htm", page, "out.htm", page_form, encode_text(page, FileKind::HtmlPage, {}).text}};
    for (const auto& [input, source, output, written_form, encoded] : files) {
      SCOPED_TRACE(input + " " + testing::PrintToString(in_form(source, form)));
      put({{input, in_form(source, form)}});
      EXPECT_EQ(run({"/f", input, output}),
                std::pair(0, utf8(success_message(utf8_to_text(input).value(), utf8_to_text(output).value(),
                                                  1, form, written_form)) + "\n"));
      EXPECT_EQ(get(output), in_form(encoded, written_form));
    }
  }
}

TEST_F(Screnc, EncodesManyFilesIntoAFolderEachOnItsOwn) {
  put({{"a.vbs", "MsgBox 1"}, {"b.JS", "x"}, {"c.htm", "<p>"}, {"bad.asp", "<% x"}});
  fs::create_directories(dir_ / "sub" / "f.vbs");  // a folder: no pattern picks it
  // On Linux '\\' is part of a name, and a name is bytes: here code page 932's.
  put({{"sub/a.vbs", "MsgBox 2"}, {"sub/e.VBS", "e"}, {"sub/back\\slash.vbs", "s"}, {"sub/\x83" "e.vbs", "e"}});
  const std::string a = utf8(encode_block(u"MsgBox 1")), b = utf8(encode_block(u"x"));
  const auto said = [](std::initializer_list<std::u16string> lines) {
    std::string text;
    for (const std::u16string& line : lines) text += shown(line) + "\n";
    return text;
  };
  const auto wrote = [](std::u16string_view in, std::u16string_view out, std::size_t blocks = 1) {
    return success_message(in, out, blocks, TextForm::Legacy, TextForm::Legacy);
  };
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string said;
    std::map<std::string, std::string> written;  // in the output folder "out"
  };
  const Case cases[] = {
      {{"/s", "a.vbs", "b.JS", "c.htm", "out/"}, 0, "", {{"a.vbe", a}, {"b.jse", b}, {"c.htm", "<p>"}}},
      // Patterns are the encoder's own, in their folder, files only, case-sensitive
      // here; a star may stand for nothing.
      {{"/s", "sub/*.vbs", "?.JS*", "out"}, 0, "",
       {{"a.vbe", utf8(encode_block(u"MsgBox 2"))}, {"b.jse", b}, {"back\\slash.vbe", utf8(encode_block(u"s"))},
        {"\x83" "e.vbe", utf8(encode_block(u"e"))}}},
      // A name that is not UTF-8 is shown escaped.
      {{"sub/*e.vbs", "out"}, 0, said({wrote(u"sub/\xDC83" "e.vbs", u"out/\xDC83" "e.vbe"), summary_message(1, 0)}),
       {{"\x83" "e.vbe", utf8(encode_block(u"e"))}}},
      {{"a.vbs", "bad.asp", "c.htm", "out"}, 1,
       said({wrote(u"a.vbs", u"out/a.vbe"),
             encode_error_message(EncodeError(EncodeError::Problem::UnclosedSection, 1), u"bad.asp"),
             wrote(u"c.htm", u"out/c.htm", 0), summary_message(2, 1)}),
       {{"a.vbe", a}, {"c.htm", "<p>"}}},
      // Two inputs for one output: the first stays.
      {{"a.vbs", "*.vbx", "sub/a.vbs", "none.js", "out"}, 1,
       said({wrote(u"a.vbs", u"out/a.vbe"), failure_message(Failure::NoMatch, u"*.vbx"),
             failure_message(Failure::OutputTaken, u"out/a.vbe"),
             failure_message(Failure::InputMissing, u"none.js"), summary_message(1, 3)}),
       {{"a.vbe", a}}},
      {{"a.vbs", "c.htm", "no"}, 2, said({argument_error_message({ArgumentError::Problem::NoFolder, u"no"})}), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    fs::remove_all(dir_ / "out");
    fs::create_directory(dir_ / "out");
    EXPECT_EQ(run(c.args), std::pair(c.status, c.said));
    std::map<std::string, std::string> written;
    for (const auto& entry : fs::directory_iterator(dir_ / "out"))
      written[entry.path().filename()] = get("out/" + entry.path().filename().string());
    EXPECT_EQ(written, c.written);
  }
}

TEST_F(Screnc, AnOutputMadeWhileTheRunGoesOnIsReplacedOnlyWithF) {
  // Someone else writes the output after the run found it missing.
  struct Racing : PosixFiles {
    WriteResult replace_file(std::u16string_view path, const Content& content,
                             bool replace) const override {
      return PosixFiles::replace_file(
          path,
          [&](const std::function<bool(std::string_view)>& write) {
            std::ofstream(utf8(path)) << "IMPORTANT";
            return content(write);
          },
          replace);
    }
  };
  put({{"a.vbs", "MsgBox 1"}});
  const std::u16string input = utf8_to_text((dir_ / "a.vbs").string()).value(),
                       output = utf8_to_text((dir_ / "new.vbe").string()).value();
  const std::tuple<std::vector<std::u16string>, int, std::u16string, std::string> cases[] = {
      {{input, output}, kFileFailed, failure_message(Failure::OutputExists, output), "IMPORTANT"},
      {{u"/s", u"/f", input, output}, kSuccess, u"", utf8(encode_block(u"MsgBox 1"))},
  };
  const Racing files;
  const Cp932Codec cp932;
  for (const auto& [args, status, message, written] : cases) {
    fs::remove(dir_ / "new.vbe");
    std::u16string said;
    EXPECT_EQ(run_screnc(args, {cp932, [&](std::u16string_view text, Stream) { said += text; }, files}),
              status);
    EXPECT_EQ(said, message);
    EXPECT_EQ(get("new.vbe"), written);
    EXPECT_EQ(snapshot().size(), 2u) << "a temporary file was left";
  }
}

TEST(Paths, PartsAndPatternsAsTheSystemSpellsThem) {
  using enum PathStyle;
  // The path, the style, then its folder, name and extension.
  const std::tuple<std::u16string_view, PathStyle, std::u16string_view, std::u16string_view,
                   std::u16string_view> parts[] = {
      {u"a\\b.c.vbs", Windows, u"a\\", u"b.c.vbs", u".vbs"},
      {u"a\\b.c.vbs", Posix, u"", u"a\\b.c.vbs", u".vbs"},
      {u"d/x\\.y/.vbs", Posix, u"d/x\\.y/", u".vbs", u""},
      {u"d/x.y\\z", Windows, u"d/x.y\\", u"z", u""},
  };
  for (const auto& [path, style, folder, name, ext] : parts) {
    SCOPED_TRACE(utf8(path));
    EXPECT_EQ(std::tuple(folder_of(path, style), name_of(path, style), extension(path, style)),
              std::tuple(folder, name, ext));
  }
  const std::tuple<std::u16string_view, std::u16string_view, bool> patterns[] = {
      {u"abxbc", u"a*bc", true},  // the star gives back the "bc" it first took
      {u"abxbd", u"a*bc", false}, {u"ab", u"a?*b", false}, {u"axxb", u"a?*b", true},
      {u"a.vbs", u"*.*", true},   {u"abc", u"*a", false},
  };
  for (const auto& [name, pattern, matched] : patterns)
    EXPECT_EQ(matches_pattern(name, pattern), matched) << utf8(pattern) << " " << utf8(name);
}

TEST(RunScrenc, ANameTheSystemCannotTakeOrNoMemoryLeftIsAFailureNotACrash) {
  struct NoMemory : PosixFiles {
    bool exists(std::u16string_view) const override { throw std::bad_alloc(); }
  };
  const PosixFiles files;
  const NoMemory no_memory;
  const Cp932Codec cp932;
  const std::tuple<const Files&, int, std::u16string> cases[] = {
      {files, kFileFailed, failure_message(Failure::Unexpected, u"a\xD800.vbs")},
      {no_memory, kInternalError, failure_message(Failure::OutOfMemory, u"a\xD800.vbs")},
  };
  for (const auto& [system_files, status, message] : cases) {
    std::u16string said;
    const System system{cp932, [&](std::u16string_view text, Stream) { said += text; }, system_files};
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
  EXPECT_EQ(texts.size(), 30u);
}

}  // namespace screnc
