// Test helpers for the recovery store: a process number that no longer
// runs, and handing this process's recovery files to it, as if the program
// that wrote them had been killed.
#pragma once

#include "String.h"

// The number of a child process that has ended and been reaped.
int EndedProcess();
// Renames this process's files in strFolder to files of process nProcess.
void HandOverRecoveryFiles(const CString& strFolder, int nProcess);
