#include "OutputReader.h"

#include "RunMessages.h"
#include "WindowHandle.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

int COutputReader::Peek(int fd)
{
    if (fd < 0)
        return 0;
    int nAvailable = 0;
    if (::ioctl(fd, FIONREAD, &nAvailable) < 0 || nAvailable <= 0)
        return 0;
    return nAvailable < OUTPUT_PEEK_SIZE ? nAvailable : OUTPUT_PEEK_SIZE;
}

int COutputReader::ReadPeeked(int fd, char* pBuffer, int nPeeked)
{
    int nRead = 0;
    while (nRead < nPeeked) {
        const ssize_t n = ::read(fd, pBuffer + nRead, static_cast<size_t>(nPeeked - nRead));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        nRead += static_cast<int>(n);
    }
    return nRead;
}

void COutputReader::Pump(int fd, const CWindowHandle& target, const std::atomic<BOOL>& bAlive)
{
    char buffer[OUTPUT_PEEK_SIZE + 1];
    for (;;) {
        // Everything the producer wrote before it ended is in the pipe once
        // bAlive is FALSE, so it is read before bAlive is looked at again.
        const BOOL bWasAlive = bAlive.load();
        const int nPeeked = Peek(fd);
        if (nPeeked > 0) {
            const int nRead = ReadPeeked(fd, buffer, nPeeked);
            if (nRead > 0) {
                buffer[nRead] = '\0';
                COutputChunk chunk;
                chunk.m_nCount = static_cast<DWORD>(nRead);
                chunk.m_pBytes = buffer;
                target.SendMessage(WM_OUTPUT_CHUNK, 0, reinterpret_cast<LPARAM>(&chunk));
                continue;
            }
        }
        if (!bWasAlive)
            break;
        // Wait up to 50 ms for more; a pipe whose writers are all gone
        // reports a hang-up at once, so then it is a plain sleep.
        struct pollfd pfd = {fd, POLLIN, 0};
        const int n = fd >= 0 ? ::poll(&pfd, 1, 50) : 0;
        if (fd < 0 || (n > 0 && !(pfd.revents & POLLIN))) {
            const struct timespec wait = {0, 50 * 1000 * 1000};
            ::nanosleep(&wait, nullptr);
        }
    }
}

void COutputReader::SendText(const CWindowHandle& target, const char* pszText)
{
    COutputChunk chunk;
    chunk.m_nCount = static_cast<DWORD>(std::strlen(pszText));
    chunk.m_pBytes = pszText;
    target.SendMessage(WM_OUTPUT_CHUNK, 0, reinterpret_cast<LPARAM>(&chunk));
}
