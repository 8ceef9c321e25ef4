// Removal of the product's filter driver from the lower filters of the USB devices present
// (Windows 95, 98 and Me), before a new copy of the driver is installed.
#pragma once
#include <stddef.h>
#include <stdint.h>

// Size of a device interface path area (the interface detail's path part).
const size_t kDevicePathSize = 256;

// The device paths of the present USB device interfaces, by interface index.
class CDevicePathSource {
  public:
    virtual ~CDevicePathSource() = default;
    // Answers false when there is no interface at index or its path cannot be had; otherwise
    // path holds it.
    virtual bool DevicePath(uint32_t index, char (&path)[kDevicePathSize]) = 0;
};

// On Windows 95, 98 and Me, walks the present USB device interfaces through SETUPAPI.DLL (loaded
// for the walk only) with RemoveFilterEntries. Answers 1 when a "LowerFilters" value was deleted,
// else 0; on other versions, or without the library or one of its four entry points, answers 0
// and touches nothing.
int RemoveFilterDriverEntries();

// For the interface indexes 0 to 127 of devices: when the path begins with \\.\, its device-class
// key names a device instance whose hardware key ("Enum\" and the instance) holds "LowerFilters"
// with the filter driver as first entry, that value is deleted. Answers 1 when one was deleted.
int RemoveFilterEntries(CDevicePathSource& devices);
