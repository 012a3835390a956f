#pragma once
// Earth calendar arithmetic on whole-second and millisecond counts since
// 0001-01-01 00:00:00 (proleptic Gregorian).
#include <cstdint>
#include <optional>
#include <string>

#include "platform/os_clock.h"

namespace norvane {

// Whole days from 0001-01-01 to the given date (0001-01-01 is 0).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day);

// Whole seconds since 0001-01-01 00:00:00; milliseconds dropped.
std::int64_t EarthSeconds(const EarthTime& t);
// Milliseconds since 0001-01-01 00:00:00.
std::int64_t EarthMilliseconds(const EarthTime& t);
// Inverse of EarthSeconds (milliseconds 0).
EarthTime EarthTimeFromSeconds(std::int64_t seconds);
EarthTime EarthTimeFromMilliseconds(std::int64_t ms);

// ISO day of the week, Monday 1 ... Sunday 7.
int IsoWeekday(const EarthTime& t);

// "yyyy/mm/dd hh:nn:ss"
std::string FormatEarthTime(const EarthTime& t);

// ISO 8601 with the zone offset, "yyyy-mm-ddThh:nn:ss+hh:mm", of a local time
// and the bias it was taken with (minutes, UTC = local + bias): the same digits
// as the local text, and an exact instant.
std::string FormatIsoLocal(const EarthTime& local, int bias);

// Whole seconds left until `target` as the schedule pages show them: the
// interval plus one second, truncated, so a display counts down to 1, not 0.
std::int64_t CountdownSeconds(const EarthTime& target, const EarthTime& now);

// Parses "YYYY-MM-DDThh:mm:ss[.fff]Z" (or "+00:00"); fractional seconds are
// dropped like the PC clock's milliseconds.
std::optional<EarthTime> ParseIsoUtc(const std::string& text);

}  // namespace norvane
