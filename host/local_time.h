// The local wall-clock time of this moment, to the second. Safe from any thread.
#pragma once

struct ClockTime {
  int hour;    // 0-23
  int minute;  // 0-59
  int second;  // 0-60
};

ClockTime localTimeNow();
