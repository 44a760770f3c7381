// What the operating system tells about the machine and the process.
//
// The answers that depend on the machine (user, computer, program folder) can be overridden for
// the process, the way SetAnsiCodePage overrides the code page: the host shell and tests set them
// so that paths and names do not depend on who runs the program where. An empty override restores
// the system's answer.
#pragma once

#include <string>

namespace znp {

// The machine's ANSI code page as the system names it: "936" for a GBK/GB2312/GB18030 locale,
// "950" for Big5, "437" for anything else. Read from the locale (LC_ALL, LC_CTYPE, LANG) at first
// use; SetAnsiCodePage overrides it for the process (tests, the host shell). Byte texts of
// variants are held in this code page.
std::string AnsiCodePage();
void SetAnsiCodePage(const std::string& codePage);

// Whether Byte starts a double-byte character in the given code page (GBK and Big5 lead bytes are
// 0x81-0xFE; other code pages have none). Byte-wise scans of texts use it so as never to take a
// trail byte for an ASCII character: GBK and Big5 trail bytes include "\" and the ASCII letters.
bool IsLeadByte(unsigned char byte, const std::string& codePage);

// The login name of the process's user, at most 31 bytes (the system's buffer holds 32 with the
// terminating zero). Empty when the system does not know the user.
std::string UserName();
void SetUserName(const std::string& name);

// The name of this computer: the host name up to its first ".", at most 15 bytes (the system's
// buffer holds 16 with the terminating zero, as a short computer name does). Empty when the
// system cannot tell; callers that need a name then use their own stand-in ("Unknown").
std::string ComputerName();
void SetComputerName(const std::string& name);

// The folder for temporary files, ending with "/": $TMPDIR when set, otherwise "/tmp/".
std::string SystemTempFolder();

// A folder of this user's alone for files that would otherwise land in a folder every user can
// write to (the "C:\Temp" of the original platform), ending with "/": $XDG_RUNTIME_DIR when it
// names such a folder, otherwise "/tmp/znp-<uid>/" (PrivateFolder). Empty when neither can be had.
std::string UserPrivateFolder();
// Parent/Name, ending with "/", made with mode 0700 when missing. An existing one must be a real
// folder (not a symbolic link) owned by the effective user; one that is open to others is closed
// to mode 0700. Empty when it cannot be made or belongs to someone else, so nobody else can have
// planted it or anything in it.
std::string PrivateFolder(const std::string& parent, const std::string& name);

// The running program: the host executable that loaded the library (/proc/self/exe), and its
// folder ending with "/". Empty when the system cannot tell.
std::string ProgramFile();
std::string ProgramFolder();
void SetProgramFolder(const std::string& folder);

// A path as the system writes it (Windows form: "D:\Mid\", "\\server\share\x") as a path of this
// platform: every "\" becomes "/"; a drive ("D:") is dropped and the rest made absolute
// ("D:\Mid" -> "/Mid", "D:Mid" -> "/Mid"), so that a setting copied from a Windows installation
// names the same folder below the root; a network share keeps its two leading separators
// ("\\server\share" -> "//server/share"). A path already in this platform's form is returned as
// it is. Trail bytes of double-byte characters in the ANSI code page are never taken for "\".
std::string PlatformPath(const std::string& path);

// Whether a path (in either form) names a drive or a network share, i.e. is absolute in the
// system's sense: "D:\x", "D:x", "\\server\share", "//server/share". A path beginning with a single
// "/" is absolute on this platform and counts too; one beginning with a single "\" does not (it is
// relative to the current drive).
bool IsAbsoluteSystemPath(const std::string& path);

}  // namespace znp
