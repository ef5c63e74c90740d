// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Microsoft's code page 932 as data; Cp932Table.cpp is written by tools/make_cp932_table.py.
namespace tessary::cp932 {

// Trail bytes 40-7E and 80-FC, in this order.
constexpr int kTrailCount = 188;
// Lead bytes 81-84, 87-9F, E0-EA, ED-EE and FA-FC; the others (85, 86, EB, EC, EF) assign
// nothing, and the user-defined area F0-F9 is U+E000 onward, one code after the other.
constexpr int kRowCount = 45;
constexpr int kUserFirstLead = 0xF0;
constexpr int kUserLastLead = 0xF9;
constexpr char16_t kUserFirstChar = 0xE000;

// The characters of the bytes 80-FF read alone; 0 for the lead bytes 81-9F and E0-FC.
extern const char16_t kHighSingleBytes[0x80];
// For the bytes 80-FF, the row of kRows that the byte leads, or -1.
extern const std::int8_t kRowOfLead[0x80];
// The character of each lead and trail byte, 0 where the code page assigns none.
extern const char16_t kRows[kRowCount][kTrailCount];

} // namespace tessary::cp932
