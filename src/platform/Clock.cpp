#include "platform/Clock.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <utility>

namespace znp {

namespace {

double SystemNow() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    // Local wall time as seconds since the Unix epoch, then as days since 1899-12-30.
    double localSeconds = static_cast<double>(t) + static_cast<double>(local.tm_gmtoff);
    double millis = static_cast<double>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    return 25569.0 + (localSeconds + millis / 1000.0) / 86400.0;
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
