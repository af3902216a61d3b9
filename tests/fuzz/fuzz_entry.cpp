// The libFuzzer entry of one reader, chosen by VELMORA_FUZZ_TARGET.
#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::fuzz::VELMORA_FUZZ_TARGET(data, size);
  return 0;
}
