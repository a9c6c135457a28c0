// CChildProcessOwner: told when a CChildProcess with redirected output has
// ended and its last output chunk ("Process Exit...") was handed over.
#pragma once

class CChildProcess;

class CChildProcessOwner {
public:
    virtual ~CChildProcessOwner() = default;
    // Runs on the UI thread after the last chunk; pProcess may be deleted here.
    virtual void OnProcessEnded(CChildProcess* pProcess) = 0;
};
