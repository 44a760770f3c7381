// The one clock of the library: every "now" and "today" comes from here, never from the system
// clock directly, so that tests can set the time.
#pragma once

#include <functional>

namespace znp {

// Local date and time as an OLE date: days since 30 December 1899, the fraction the time of day.
double Now();
// Today without the time of day.
double Today();

// Replaces the clock's source (tests); an empty function restores the system clock.
void SetClockSource(std::function<double()> source);

// Sets a fixed time for the life of the object, then restores the previous source.
class FixedClock {
public:
    explicit FixedClock(double now);
    ~FixedClock();
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

private:
    std::function<double()> previous_;
};

}  // namespace znp
