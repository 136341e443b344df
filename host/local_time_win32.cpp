#include "host/local_time.h"

#include <windows.h>

ClockTime localTimeNow() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  return {local.wHour, local.wMinute, local.wSecond};
}
