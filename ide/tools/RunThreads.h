// CRunThreads: the waiter and reader threads of tool, program and child
// process runs. They are detached (never joined from the UI thread, which a
// pending synchronous chunk would deadlock); each keeps its run's shared
// state alive until it ends. The count lets tests and application exit wait
// until every one has finished.
#pragma once

#include "WinTypes.h"

#include <functional>

class CRunThreads {
public:
    // Starts fnBody on a new detached thread that is counted while it runs.
    // FALSE when no thread could be created (fnBody is not called).
    static BOOL Start(std::function<void()> fnBody);
    // Runner threads still running.
    static int GetCount();
    // Runs the Qt event loop of the calling (UI) thread until no runner
    // thread is left and the messages they posted are handled, or until
    // nMilliseconds have passed. TRUE when idle.
    static BOOL WaitIdle(int nMilliseconds);
};
