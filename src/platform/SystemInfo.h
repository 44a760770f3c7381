// What the operating system tells about the machine and the process.
#pragma once

#include <string>

namespace znp {

// The machine's ANSI code page as the system names it: "936" for a GBK/GB2312/GB18030 locale,
// "950" for Big5, "437" for anything else. Read from the locale (LC_ALL, LC_CTYPE, LANG) at first
// use; SetAnsiCodePage overrides it for the process (tests, the host shell). Byte texts of
// variants are held in this code page.
std::string AnsiCodePage();
void SetAnsiCodePage(const std::string& codePage);

}  // namespace znp
