// The product's USB hardware ids and the registry names and texts built from them for returning
// the mice to the standard Windows drivers.
#pragma once
#include <stddef.h>
#include <stdint.h>

// Vendor and product ids, four upper-case hexadecimal digits each, as in device-tree key names.
struct MouseIdTable {
    const char* vendors[3];   // V1, V2, V3
    const char* products[11]; // P1 ... P11
};

// The product's ids (product configuration).
extern const MouseIdTable mouseIdTable;

// One (vendor, product) pair.
struct MouseIdPair {
    const char* vendor;
    const char* product;
};

// The eleven pairs in visiting order: V1 with P1, P2, P3, P11; V2 with P4, P5, P6; V3 with P7,
// P8, P9, P10. index runs from 0 to kMousePairCount - 1.
const size_t kMousePairCount = 11;
MouseIdPair MousePair(const MouseIdTable& table, size_t index);

// The device key of interface 01 of the composite USB receiver (V1, P11), below HKLM.
void CompositeDeviceKey(const MouseIdTable& table, char* out, size_t size);
// "Enum\HID\VID_v&PID_p\0000USB&VID_v&PID_p&INST_k" for a pair and instance number k (0 to 3).
void HidDeviceKey(const MouseIdPair& pair, int instance, char* out, size_t size);

// Mouse class keys are numbered 0000, 0001, ...; the walk stops at the first gap, and at the
// latest here, where the four-digit names end.
const int kMaxClassKeyIndex = 9999;
enum ClassKeyFamily {
    CLASS_SERVICES, // "SYSTEM\CurrentControlSet\Services\Class\Mouse\nnnn" (Windows 9x)
    CLASS_CONTROL,  // "SYSTEM\CurrentControlSet\Control\Class\{4D36E96F-...}\nnnn" (NT family)
};
// The class key of index (0 to kMaxClassKeyIndex) in four decimal digits.
void MouseClassKey(ClassKeyFamily family, int index, char* out, size_t size);

// Texts written into the device keys; the Chinese set is in code page 950.
struct MouseTexts {
    const char* manufacturer;
    const char* ps2Description;
    const char* hidDescription;
};
// The Chinese set for language ids 0x0404, 0x0C04 and 0x1004, the other set for every other id.
const MouseTexts& MouseTextsFor(uint16_t languageId);
