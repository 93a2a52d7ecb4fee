# The programs are shipped as files that users unpack and start: each must be a
# program of its subsystem (the front end a GUI one, the encoder a console one)
# and import nothing but the system's own DLLs. Wine would not notice a missing
# MinGW runtime DLL if one sat on its path. The architecture is checked in the
# zip (check_zip_architecture.cmake).
# Run with -DOBJDUMP=<objdump for the target> -DPROGRAM=<exe> [-DSUBSYSTEM=console].
cmake_minimum_required(VERSION 3.21)
set(system_dlls
  advapi32 comctl32 comdlg32 gdi32 imm32 kernel32 msvcrt ole32 oleaut32
  shell32 shlwapi user32 uxtheme version)

# objdump speaks the locale's language; the patterns below are its English.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${OBJDUMP} -p ${PROGRAM}
                RESULT_VARIABLE code OUTPUT_VARIABLE dump)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${PROGRAM}")
endif()

if(SUBSYSTEM STREQUAL "console")
  if(NOT dump MATCHES "Subsystem[ \t]+0*3[ \t]+\\(Windows CUI\\)")
    message(SEND_ERROR "not a console program: its messages would not reach a redirection")
  endif()
elseif(NOT dump MATCHES "Subsystem[ \t]+0*2[ \t]+\\(Windows GUI\\)")
  message(SEND_ERROR "not a GUI program: it would open a console window")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
  message(SEND_ERROR "no imported DLLs found in the dump")
endif()
foreach(entry IN LISTS imports)
  string(REGEX REPLACE "DLL Name: (.+)\\.[dD][lL][lL].*" "\\1" name "${entry}")
  string(TOLOWER "${name}" name)
  if(NOT name IN_LIST system_dlls)
    message(SEND_ERROR "imports ${name}.dll, which Windows does not provide")
  endif()
endforeach()
