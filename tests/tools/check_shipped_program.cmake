# The programs are shipped as files that users unpack and start: each must be a
# program for Windows of its build's width and subsystem (the front end a GUI one, the
# encoder a console one) and import nothing but the system's own DLLs.
# Wine would not notice a missing MinGW runtime DLL if one sat on its path.
# Run with -DOBJDUMP=<objdump for the target> -DPROGRAM=<exe> -DBITS=<32 or 64>
# [-DSUBSYSTEM=console]. A 32-bit encoder must also be large address aware.
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

if(BITS EQUAL 64)
  if(NOT dump MATCHES "file format pei-x86-64\n")
    message(SEND_ERROR "not a 64-bit Windows program")
  endif()
elseif(NOT dump MATCHES "file format pei-i386\n")
  message(SEND_ERROR "not a 32-bit Windows program")
endif()
if(SUBSYSTEM STREQUAL "console")
  if(NOT dump MATCHES "Subsystem[ \t]+0*3[ \t]+\\(Windows CUI\\)")
    message(SEND_ERROR "not a console program: its messages would not reach a redirection")
  endif()
elseif(NOT dump MATCHES "Subsystem[ \t]+0*2[ \t]+\\(Windows GUI\\)")
  message(SEND_ERROR "not a GUI program: it would open a console window")
endif()
if(BITS EQUAL 32 AND SUBSYSTEM STREQUAL "console" AND NOT dump MATCHES "large address aware")
  message(SEND_ERROR "not large address aware: limited to 2 GB of memory")
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
