#include "runtime/Logs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/Clock.h"
#include "platform/SystemInfo.h"
#include "runtime/TrovaneINI.h"

namespace znp {

namespace {

struct Stamp {
    int year, month, day, hour, minute, second, msec;
};

// An OLE date (days since 30 December 1899) as its calendar parts, rounded to the millisecond.
Stamp Decode(double date) {
    const long long msPerDay = 86400000;
    long long ms = std::llround(date * static_cast<double>(msPerDay));
    long long days = ms / msPerDay, rest = ms % msPerDay;
    if (rest < 0) {
        rest += msPerDay;
        --days;
    }
    // Days since 1 March of year 0 of the proleptic Gregorian calendar, then the civil date.
    long long z = days - 25569 + 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long doe = z - era * 146097;
    long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long long mp = (5 * doy + 2) / 153;
    Stamp s{};
    s.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    s.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    s.year = static_cast<int>(yoe + era * 400 + (s.month <= 2 ? 1 : 0));
    s.hour = static_cast<int>(rest / 3600000);
    s.minute = static_cast<int>(rest / 60000 % 60);
    s.second = static_cast<int>(rest / 1000 % 60);
    s.msec = static_cast<int>(rest % 1000);
    return s;
}

std::string Digits(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

std::string LineStamp(const Stamp& s) {
    return Digits(s.year, 4) + "/" + Digits(s.month, 2) + "/" + Digits(s.day, 2) + " " + Digits(s.hour, 2) + ":" +
           Digits(s.minute, 2) + ":" + Digits(s.second, 2) + ":" + Digits(s.msec, 3);
}

std::string PeriodStamp(const Stamp& s, const std::string& period) {
    if (period == "Y") return Digits(s.year, 4);
    if (period == "M") return Digits(s.year, 4) + Digits(s.month, 2);
    return Digits(s.year, 4) + Digits(s.month, 2) + Digits(s.day, 2);
}

// <Base>/Log, without doubling a separator the base ends with; empty without a base.
std::string LogFolder(std::string base) {
    if (base.empty()) return {};
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return base == "/" ? "/Log" : base + "/Log";
}

bool MakeFolders(const std::string& folder) {
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        std::string part = folder.substr(0, slash);
        if (!part.empty() && mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat st{};
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// One line, one write: the file is opened, appended to and closed within the call.
bool AppendLine(const std::string& folder, const std::string& file, const std::string& line) {
    if (folder.empty() || !MakeFolders(folder)) return false;
    // Never through a symbolic link planted at the file's name, and never into a FIFO or device
    // (non-blocking, so that opening a FIFO without a reader fails instead of waiting).
    int fd = open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0644);
    if (fd < 0) return false;
    struct stat st{};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return false;
    }
    const std::string text = line + "\n";
    bool ok = true;
    size_t done = 0;
    while (ok && done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else done += static_cast<size_t>(n);
    }
    return close(fd) == 0 && ok;
}

std::string AlertBase() {
    std::string base = InstallFolder();
    return base.empty() ? ProgramFolder() : base;
}

// The installation; else the folder for temporary files the user chose ($TMPDIR); else a folder of
// the user's own. The shared /tmp is never used as it is: anyone could plant the Log folder there.
std::string GeneratorBase() {
    try {
        std::string base = InstallFolder();
        if (!base.empty()) return base;
        if (const char* temp = std::getenv("TMPDIR"); temp && *temp) return temp;
    } catch (...) {
    }
    return UserPrivateFolder();
}

std::string AlertFileName(const std::string& folder, const std::string& name, const std::string& period,
                          const Stamp& now) {
    std::string file = folder + "/Alert_" + name + "_" + PeriodStamp(now, period);
    if (name.find('.') == std::string::npos) file += ".log";
    return file;
}

}  // namespace

std::string AlertLogFileName(const std::string& baseFolder, const std::string& name, const std::string& period) {
    return AlertFileName(LogFolder(baseFolder), name, period, Decode(Now()));
}

bool WriteAlertLogIn(const std::string& baseFolder, const std::string& name, const std::string& message,
                     const std::string& period) {
    try {
        const Stamp now = Decode(Now());
        const std::string folder = LogFolder(baseFolder);
        return AppendLine(folder, AlertFileName(folder, name, period, now), "[" + LineStamp(now) + "] " + message);
    } catch (...) {
        return false;
    }
}

bool WriteAlertLog(const std::string& name, const std::string& message, const std::string& period) {
    try {
        return WriteAlertLogIn(AlertBase(), name, message, period);
    } catch (...) {
        return false;
    }
}

bool WriteProgramAlertLog(const std::string& name, const std::string& message, const std::string& period) {
    try {
        return WriteAlertLogIn(ProgramFolder(), name, message, period);
    } catch (...) {
        return false;
    }
}

std::string GeneratorLogFileName() {
    const std::string folder = LogFolder(GeneratorBase());
    return folder.empty() ? folder : folder + "/Alert_TKORPGenerator_" + PeriodStamp(Decode(Now()), "D") + ".log";
}

bool WriteGeneratorLog(const std::string& text) {
    try {
        const Stamp now = Decode(Now());
        const std::string folder = LogFolder(GeneratorBase());
        return AppendLine(folder, folder + "/Alert_TKORPGenerator_" + PeriodStamp(now, "D") + ".log",
                          "[" + LineStamp(now) + "] " + text);
    } catch (...) {
        return false;
    }
}

}  // namespace znp
