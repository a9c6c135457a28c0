// The exported entry points of libsubwright: the native method Replace of
// the Java class Subwright, and the same operation for native callers.
#pragma once

#include "String.h"

#define MOSK_SUBWRIGHT_EXPORT __attribute__((visibility("default")))

// Replaces the section between the two marker comments of the file by
// strNewText as given (no trimming); returns a CSectionReplacer result code.
MOSK_SUBWRIGHT_EXPORT int Test_Replace(CString strFile, CString strBegin, CString strEnd, CString strNewText);
