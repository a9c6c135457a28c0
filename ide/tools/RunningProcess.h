// IRunningProcess: what an output window needs of the process it shows:
// whether it still runs, and a way to end it.
#pragma once

#include "WinTypes.h"

class IRunningProcess {
public:
    virtual ~IRunningProcess() = default;
    // TRUE while the child process runs.
    virtual BOOL IsRunning() const = 0;
    // Ends the child process (nothing when it has ended).
    virtual void Terminate() = 0;
};
