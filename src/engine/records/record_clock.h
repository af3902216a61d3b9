#pragma once
// The local date and time of day as the record files write them.
#include <string>

namespace velmora {

struct RecordMoment {
  std::string date;       // "yyyymmdd"
  std::string timeOfDay;  // "hh:mm:ss"
};

RecordMoment CurrentMoment();

}  // namespace velmora
