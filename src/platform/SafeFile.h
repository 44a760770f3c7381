// Reading settings and data files that come from outside the program.
//
// Such a file is read only when it is a regular file no larger than the caller's limit. Anything
// else is refused without blocking and without reading: a FIFO (opening one for reading would
// wait for a writer for ever), a device such as /dev/zero (it never ends), a folder, or a file
// beyond the limit. A refused or unreadable file is reported once to the system log (SystemLog.h)
// with its name and the reason; it is reported again only after it was readable or missing in
// between, so a caller that reads the same file on every call does not flood the log. A missing
// file is not an error here: every caller treats it as "no settings".
#pragma once

#include <cstddef>
#include <string>

namespace znp {

// Limits of the files the system reads. Settings files, the registry stand-in, the automation
// configuration, message and data files are a few kilobytes; pictures a few hundred.
inline constexpr std::size_t kSettingsFileLimit = 8u << 20;
inline constexpr std::size_t kPictureFileLimit = 64u << 20;

enum class FileReadStatus {
    Ok,          // Content holds the whole file
    Missing,     // no such file (or a folder on the way is missing)
    NotRegular,  // a FIFO, device, socket or folder
    TooLarge,    // more bytes than the limit
    Failed,      // the file exists but cannot be opened or read (permissions, I/O error)
};

// Reads the whole file FileName into Content (emptied unless Ok). Error, when given, receives a
// readable reason for every status but Ok and Missing. Never raises.
FileReadStatus ReadFileContents(const std::string& fileName, std::string& content, std::size_t limit,
                                std::string* error = nullptr);

// The whole file, or raises Exception with the reason (also for a missing file).
std::string LoadFileContents(const std::string& fileName, std::size_t limit);

}  // namespace znp
