// CRichTextExport: the rich text the tokenizer streams into the control for
// a text, collected into one string instead of a control (for the command
// line tool, tests and benchmarks).
#pragma once

#include "WinTypes.h"

#include <string>

class CTinctoView;

class CRichTextExport {
public:
    // Streams nLength bytes of pText through pView's language and font value
    // in transfer buffers of lBufferSize bytes (> 0) and returns their
    // concatenation. pnTransfers, when given, receives the number of buffers filled.
    static std::string Export(CTinctoView* pView, const char* pText, long nLength, long lBufferSize = 4096,
                              int* pnTransfers = nullptr);
};
