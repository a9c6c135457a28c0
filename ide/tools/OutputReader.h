// COutputReader: the reader loop shared by program runs and child processes:
// hands everything a pipe delivers to a window, in chunks of at most
// OUTPUT_PEEK_SIZE bytes sent synchronously with WM_OUTPUT_CHUNK.
#pragma once

#include "WinTypes.h"

#include <atomic>

class CWindowHandle;

class COutputReader {
public:
    // Bytes waiting in the pipe fd, at most OUTPUT_PEEK_SIZE; 0 when none
    // (a zero-timeout peek, never blocks).
    static int Peek(int fd);
    // Reads the nPeeked bytes Peek found into pBuffer (retrying when
    // interrupted); the count read, fewer only at an error or the end.
    static int ReadPeeked(int fd, char* pBuffer, int nPeeked);
    // Reads and sends chunks until the producer has ended (bAlive was FALSE
    // before a peek that found nothing). Waits 50 ms only after a peek that
    // found nothing. A vanished window does not stop the draining.
    static void Pump(int fd, const CWindowHandle& target, const std::atomic<BOOL>& bAlive);
    // Sends pszText as one chunk (for the first and last lines of a run).
    static void SendText(const CWindowHandle& target, const char* pszText);
};
