// Detection of the running Windows version and the NT product options.
#pragma once
#include "setup/core/logic/OsInfo.h"

// Fills info from the system's version queries and, on NT, the product options in the registry;
// false when the version cannot be determined.
bool GetOsInfo(OsInfo& info);
// The code of the NT product type ("ProductType" under ProductOptions): 2, 6, 7 or 8. Answers
// false, code unchanged, when the value is missing, not a whole text, or not a known type.
bool ReadProductType(int32_t& code);
// Whether an entry of the NT product suite ("ProductSuite", a list of texts) contains name in any
// letter case; false on Windows 9x and whenever the value cannot be read.
bool HasProductSuite(const char* name);
