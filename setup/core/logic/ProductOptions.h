// Reading the NT product type and product suite texts (no Windows calls).
#pragma once
#include <stddef.h>
#include <stdint.h>

// The code of a product type text in any letter case: "WINNT" 2, "SERVERNT" 6, "LANMANNT" 7,
// "LANSECNT" 8. Answers false, code unchanged, for any other text.
bool ProductTypeCode(const char* text, int32_t& code);

// Whether an entry of a multi-string list contains name, ignoring the case of ASCII letters.
// Entries end in a zero byte; the list ends at an empty entry or after size bytes, whichever
// comes first. isLeadByte names the code page's double-byte lead bytes: a lead byte and the byte
// after it form one character, compared exactly, and a match never starts inside one.
bool SuiteListContains(const char* list, size_t size, const char* name,
                       bool (*isLeadByte)(unsigned char));
