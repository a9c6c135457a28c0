// The JDK a test program runs its tools from. A test run given
// MOSK_TEST_JDK (a JDK's bin folder) sets it as the ExePath setting and
// names the programs by their full path; without it the tools come from PATH.
#pragma once

#include "String.h"

class CTestJdk {
public:
    // The bin folder of MOSK_TEST_JDK; "" when the tools come from PATH.
    static CString ExePath();
    // The command name of pszTool as the tool commands write it for ExePath().
    static CString Program(const char* pszTool);
};
