// Conversion of UTF-16 text (as Java strings hold it) to UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// UTF-8 form of nCount UTF-16 units; a surrogate without its partner becomes U+FFFD.
std::string Utf16ToUtf8(const uint16_t* pUnits, size_t nCount);
