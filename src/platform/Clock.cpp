#include "platform/Clock.h"

#include <cmath>
#include <ctime>
#include <utility>

namespace znp {

namespace {

double SystemNow() {
    // <chrono> cannot be used: its unit suffixes do not exist in the execution character set.
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm local{};
    localtime_r(&ts.tv_sec, &local);
    // Local wall time as seconds since the Unix epoch, then as days since 1899-12-30.
    double localSeconds = static_cast<double>(ts.tv_sec) + static_cast<double>(local.tm_gmtoff);
    return 25569.0 + (localSeconds + ts.tv_nsec / 1e9) / 86400.0;
}

std::function<double()>& Source() {
    static std::function<double()> source;
    return source;
}

}  // namespace

double Now() { return Source() ? Source()() : SystemNow(); }

double Today() { return std::floor(Now()); }

void SetClockSource(std::function<double()> source) { Source() = std::move(source); }

FixedClock::FixedClock(double now) : previous_(Source()) {
    Source() = [now] { return now; };
}

FixedClock::~FixedClock() { Source() = std::move(previous_); }

}  // namespace znp
