# Writes a C++ unit that holds one stored-form file as a text: run as
#   cmake -DFORM=<file.form> -DOUTPUT=<file.cpp> -DNAME=<identifier> -P EmbedForm.cmake
# The unit defines znp::storedforms::<NAME>(). The text becomes a raw string literal, so the
# compiler converts it to the execution character set like every other literal of the library.
file(READ "${FORM}" text)
set(delimiter "KvStoredForm")
string(FIND "${text}" ")${delimiter}\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${FORM} contains the text )${delimiter}\" and cannot be embedded")
endif()
set(content "// Generated from ${FORM} by cmake/EmbedForm.cmake; edit the form file instead.
#include <string_view>

namespace znp::storedforms {
std::string_view ${NAME}();
std::string_view ${NAME}() {
    return R\"${delimiter}(${text})${delimiter}\";
}
}  // namespace znp::storedforms
")
# An unchanged text is only touched, so the build sees the output as current.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL content)
    file(TOUCH_NOCREATE "${OUTPUT}")
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${content}")
