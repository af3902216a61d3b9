#pragma once
// The record readers fed with arbitrary bytes: the keyed-file reader and
// writer, the results log reader and the scrambled-value readers. Each must
// return without crashing, hanging or touching memory it does not own.
#include <cstddef>
#include <cstdint>

namespace velmora::fuzz {

void KeyedFileReader(const std::uint8_t* data, std::size_t size);
void ResultsLogReader(const std::uint8_t* data, std::size_t size);
void ScrambledValueReader(const std::uint8_t* data, std::size_t size);

}  // namespace velmora::fuzz
