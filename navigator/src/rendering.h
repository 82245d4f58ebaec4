// How registry data reads as text. ValueOf and DirValue share these, so a
// value renders the same way in both.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hivewalk {

using Bytes = std::vector<std::uint8_t>;

// REG_BINARY: each byte in upper-case hexadecimal without leading zeros,
// separated by single blanks: 05 A0 FF reads "5 A0 FF".
std::string BinaryText(const Bytes& data);

// The data read as a little-endian number, as a double: the byte at index k
// weighs 256^k. Values too large for a double read as infinity.
double DwordNumber(const Bytes& data);

// Four upper-case hexadecimal digits per pair of bytes, most significant pair
// first: the double word 43981 reads "0000ABCD".
//
// Data of odd length reads as if a zero byte followed it, the number's
// missing most significant byte: 01 02 03 reads "00030201", the same number
// that DwordNumber gives. No byte outside the data is ever read.
std::string DwordHex(const Bytes& data);

// Any other type: the bytes as narrow characters, less a final NUL. A last
// byte that is not a NUL (a string stored without its terminator) is kept.
std::string StringText(const Bytes& data);
// The number of bytes StringText shows.
std::size_t StringLength(const Bytes& data);

// A whole number with the pattern "0,000,000,000": at least ten digits with
// leading zeros, in groups of three separated by `separator`. A number too
// large for a double reads "Overflow".
std::string FormatTenDigitGroups(double number, const std::string& separator);

}  // namespace hivewalk
