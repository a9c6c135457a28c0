// CHelpProgress: the progress bar of the status bar as the help side uses
// it (saving an index, collecting the links of a page). The program gives
// the main window's bar; without one nothing is shown.
#pragma once

class CHelpProgress {
public:
    virtual ~CHelpProgress() = default;
    // Shows the bar running from 0 to nMax.
    virtual void Begin(int nMax) = 0;
    // Moves the bar one step.
    virtual void Step() = 0;
    // Hides the bar.
    virtual void End() = 0;
};
