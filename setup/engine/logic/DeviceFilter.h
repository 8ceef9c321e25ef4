// The rules of the filter-driver entry removal that need no Windows call: the key name of a
// device interface path, the class GUID's text and the test of a "LowerFilters" value.
#pragma once
#include <stddef.h>
#include <stdint.h>

// Size of the braced GUID text with its terminator.
const size_t kGuidTextSize = 39;

// "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}" of the four GUID parts, upper case.
void FormatGuidText(char (&text)[kGuidTextSize], uint32_t data1, uint16_t data2, uint16_t data3,
                    const uint8_t (&data4)[8]);
// The registry key name of a device interface path: a path that begins with \\.\ gets "##.#" in
// place of those four characters. Answers false (keyName unchanged) for any other path, or when
// the name does not fit in size bytes.
bool DeviceKeyName(char* keyName, size_t size, const char* devicePath);
// Whether the first entry of a "LowerFilters" value (the bytes up to the first zero, or all
// count bytes without one) names the product's filter driver, in any letter case.
bool NamesFilterDriverFirst(const uint8_t* bytes, size_t count);
