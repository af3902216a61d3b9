#include "records/record_clock.h"

#include <ctime>

namespace velmora {

RecordMoment CurrentMoment() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[16];
  char time[16];
  std::strftime(date, sizeof date, "%Y%m%d", &local);
  std::strftime(time, sizeof time, "%H:%M:%S", &local);
  return {date, time};
}

}  // namespace velmora
