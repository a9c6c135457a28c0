// IRunOutput: the main frame's output operations the runners write through.
#pragma once

class IRunOutput {               // UI thread only
public:
    virtual ~IRunOutput() = default;
    virtual void WriteOutput(const char* pszText) = 0;   // appends to the output window (nothing when there is none)
    virtual void ShowOutputPane() = 0;                   // makes the output row visible
    virtual void ClearOutput() = 0;                      // empties the output window
};
