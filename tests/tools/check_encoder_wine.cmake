# Our screnc.exe under Wine: Wine's own JScript engine runs what it encodes, a
# file in code page 932 comes back whole, and failures keep the output as it was.
# Run with -DENCODER=<screnc.exe> -DDECODER=<decode_blocks.exe> -DEMULATOR=<wine or empty>
# -DWORK_DIR=<scratch folder>.
cmake_minimum_required(VERSION 3.21)
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

# SEND_ERROR lets every check report before the run is marked failed.
function(fail message)
  message(SEND_ERROR "${message}")
endfunction()

# Relative paths: the folder has the same name on both sides of Wine. In
# Japanese, the ANSI code page is 932.
function(run)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=ja_JP.UTF-8 ${EMULATOR} ${ARGN}
                  WORKING_DIRECTORY "${WORK_DIR}" RESULT_VARIABLE code OUTPUT_VARIABLE out)
  set(code "${code}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
endfunction()

function(expect_code case expected)
  if(NOT code EQUAL expected)
    fail("${case}: exit code ${code}, not ${expected}; said: ${out}")
  endif()
endfunction()

# Wine runs encoded JScript once .jse is known as a script of its encoded engine;
# it decodes ASCII text only, so the program stays ASCII, with every character
# that is written escaped.
run(reg add "HKCR\\.jse" /ve /d JSEFile /f)
run(reg add "HKCR\\JSEFile\\ScriptEngine" /ve /d JScript.Encode /f)
file(WRITE "${WORK_DIR}/hello.js" [=[
var total = 0;
for (var i = 0; i < 10; i++) { total += i; }
WScript.Echo("total=" + total + " <a> & 'b' @c\\d");
]=])
file(READ "${WORK_DIR}/hello.js" program)
string(REPLACE "\n" "\r\n" program "${program}")
file(WRITE "${WORK_DIR}/hello.js" "${program}")
run(${ENCODER} hello.js hello.jse)
expect_code("encoding hello.js" 0)
run(cscript //nologo hello.js)
set(plain_out "${out}")
run(cscript //nologo hello.jse)
if(NOT plain_out MATCHES "total=45 <a> & 'b' @c\\\\d" OR NOT out STREQUAL plain_out)
  fail("hello.jse printed '${out}', hello.js '${plain_out}'")
endif()

# An existing output stays without /f, and is replaced with it.
file(READ "${WORK_DIR}/hello.jse" encoded)
file(WRITE "${WORK_DIR}/hello.jse" "old")
run(${ENCODER} hello.js hello.jse)
expect_code("existing output" 1)
file(READ "${WORK_DIR}/hello.jse" kept)
if(NOT kept STREQUAL "old")
  fail("existing output: replaced without /f")
endif()
run(${ENCODER} /s -F hello.js hello.jse)
expect_code("existing output with /f" 0)
file(READ "${WORK_DIR}/hello.jse" replaced)
if(NOT replaced STREQUAL encoded)
  fail("existing output with /f: holds '${replaced}'")
endif()

# Code page 932: the block keeps each double-byte character whole (表 and ソ
# end in the byte of a backslash), and the output, decoded, is the input byte
# for byte. The same file under another case of its name is still the input.
file(WRITE "${WORK_DIR}/jp-utf8.txt" "MsgBox \"日本語のテスト ～ ①\"\r\n' 表示: ソース\r\n")
execute_process(COMMAND iconv -f UTF-8 -t CP932 INPUT_FILE "${WORK_DIR}/jp-utf8.txt"
                OUTPUT_FILE "${WORK_DIR}/jp.vbs")
run(${ENCODER} jp.vbs JP.VBS)
expect_code("output named as the input" 1)
run(${ENCODER} jp.vbs jp.vbe)
expect_code("encoding jp.vbs" 0)
run(${DECODER} jp.vbe decoded.vbs)
expect_code("decoding jp.vbe" 0)
file(READ "${WORK_DIR}/jp.vbs" input HEX)
file(READ "${WORK_DIR}/jp.vbe" output HEX)
file(READ "${WORK_DIR}/decoded.vbs" decoded HEX)
if(input STREQUAL output OR NOT decoded STREQUAL input)
  fail("jp.vbe does not decode to jp.vbs: ${output} gives ${decoded}, not ${input}")
endif()

# UTF-8 without a mark, as editors save scripts today: the script comes out as
# UTF-16 LE with a mark, which the script host reads whatever the code page.
file(WRITE "${WORK_DIR}/jp8.vbs" "MsgBox \"日本語のテスト\"\r\n")
run(${ENCODER} jp8.vbs jp8.vbe)
expect_code("encoding jp8.vbs" 0)
run(${DECODER} jp8.vbe decoded8.vbs)
expect_code("decoding jp8.vbe" 0)
execute_process(COMMAND iconv -f UTF-8 -t UTF-16LE INPUT_FILE "${WORK_DIR}/jp8.vbs"
                OUTPUT_FILE "${WORK_DIR}/jp8-utf16.txt")
file(READ "${WORK_DIR}/jp8-utf16.txt" input HEX)
file(READ "${WORK_DIR}/jp8.vbe" output HEX)
file(READ "${WORK_DIR}/decoded8.vbs" decoded HEX)
if(NOT output MATCHES "^fffe" OR NOT decoded STREQUAL "fffe${input}")
  fail("jp8.vbe is not the UTF-16 form of jp8.vbs: ${output} gives ${decoded}")
endif()

# A pattern, which the Windows shells pass on as it is, in any case.
file(MAKE_DIRECTORY "${WORK_DIR}/many")
run(${ENCODER} /s JP*.VBS many)
expect_code("a pattern" 0)
file(GLOB encoded_many RELATIVE "${WORK_DIR}/many" "${WORK_DIR}/many/*")
if(NOT encoded_many STREQUAL "jp.vbe;jp8.vbe")
  fail("JP*.VBS into many: wrote '${encoded_many}'")
endif()

# A page's text outside its scripts keeps its very bytes: code page 932's NEC
# row code ED40, not the IBM one FA5C that converting back would give.
execute_process(COMMAND printf "<p>\\355\\100</p><script>x</script>" OUTPUT_FILE "${WORK_DIR}/nec.htm")
run(${ENCODER} nec.htm nec-encoded.htm)
expect_code("encoding nec.htm" 0)
file(READ "${WORK_DIR}/nec-encoded.htm" output HEX)
if(NOT output MATCHES "^3c703eed403c2f703e")
  fail("nec-encoded.htm does not start with the bytes of nec.htm: ${output}")
endif()
