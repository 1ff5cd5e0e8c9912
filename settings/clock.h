// The PC's local time, behind a seam so that tests can fix it.
#pragma once

namespace vesko {

struct LocalTime {
    int year;    // full year, for example 2017
    int month;   // 1 to 12
    int day;     // 1 to 31
    int hour;    // 0 to 23
    int minute;  // 0 to 59
    int second;  // 0 to 60
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() const = 0;
};

class SystemClock final : public Clock {
public:
    LocalTime Now() const override;
};

}  // namespace vesko
