#pragma once
// The file readers fed with arbitrary bytes: the keyed-file reader and
// writer, the results log reader, the scrambled-value readers and the saved
// game reader with its check against the catalogue. Each must return without
// crashing, hanging or touching memory it does not own.
#include <cstddef>
#include <cstdint>

namespace velmora::fuzz {

void KeyedFileReader(const std::uint8_t* data, std::size_t size);
void ResultsLogReader(const std::uint8_t* data, std::size_t size);
void ScrambledValueReader(const std::uint8_t* data, std::size_t size);
void SavedGameReader(const std::uint8_t* data, std::size_t size);

}  // namespace velmora::fuzz
