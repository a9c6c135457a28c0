#include "ProcessSpawner.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

extern char** environ;

std::vector<CString> CProcessSpawner::SplitCommandLine(const char* pszCommandLine)
{
    std::vector<CString> args;
    const char* p = pszCommandLine ? pszCommandLine : "";
    for (;;) {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (!*p)
            break;
        std::string arg;
        bool bQuoted = false;
        while (*p && (bQuoted || (*p != ' ' && *p != '\t'))) {
            if (*p == '\\') {
                size_t nSlashes = 0;
                while (*p == '\\') {
                    ++nSlashes;
                    ++p;
                }
                if (*p == '"') {
                    arg.append(nSlashes / 2, '\\');
                    if (nSlashes % 2) {
                        arg += '"';
                        ++p;
                    }
                    // an even count leaves the quote to act below
                } else {
                    arg.append(nSlashes, '\\');
                }
                continue;
            }
            if (*p == '"') {
                if (bQuoted && p[1] == '"') {
                    arg += '"';
                    p += 2;
                    continue;
                }
                bQuoted = !bQuoted;
                ++p;
                continue;
            }
            arg += *p++;
        }
        args.emplace_back(std::move(arg));
    }
    return args;
}

CString CProcessSpawner::FindProgram(const char* pszProgram)
{
    if (!pszProgram || !*pszProgram)
        return CString();
    if (std::strchr(pszProgram, '/'))
        return CString(pszProgram);
    const char* pszPath = std::getenv("PATH");
    std::string strPath = pszPath ? pszPath : "/usr/local/bin:/usr/bin:/bin";
    size_t nStart = 0;
    for (;;) {
        const size_t nEnd = strPath.find(':', nStart);
        std::string strDir = strPath.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart);
        std::string strCandidate = (strDir.empty() ? std::string(".") : strDir) + "/" + pszProgram;
        struct stat st;
        if (::stat(strCandidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(strCandidate.c_str(), X_OK) == 0)
            return CString(strCandidate);
        if (nEnd == std::string::npos)
            break;
        nStart = nEnd + 1;
    }
    return CString();
}

namespace {

// A descriptor that is not 0, 1 or 2 (the child's dup2 onto the same number
// would keep close-on-exec); -1 on failure. *pnOwned is set when a copy was made.
int AboveStandard(int fd, int* pnOwned)
{
    *pnOwned = -1;
    if (fd > 2)
        return fd;
    const int nCopy = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
    *pnOwned = nCopy;
    return nCopy;
}

} // namespace

BOOL CProcessSpawner::Spawn(const char* pszCommandLine, const char* pszWorkingDir, int nStdin, int nStdout,
                            int nStderr, pid_t& nPid, CString& strError, BOOL bNewGroup)
{
    nPid = 0;
    strError.Empty();
    const std::vector<CString> args = SplitCommandLine(pszCommandLine);
    if (args.empty()) {
        strError = "The command line is empty.";
        return FALSE;
    }
    const CString strProgram = FindProgram(args[0]);
    if (strProgram.IsEmpty()) {
        strError.Format("The program \"%s\" was not found in PATH.", args[0].c_str());
        return FALSE;
    }
    const bool bChdir = pszWorkingDir && *pszWorkingDir;
    if (bChdir) {
        struct stat st;
        if (::stat(pszWorkingDir, &st) != 0 || !S_ISDIR(st.st_mode)) {
            strError.Format("The working directory \"%s\" does not exist.", pszWorkingDir);
            return FALSE;
        }
    }

    int nOwned[3];
    const int fds[3] = {AboveStandard(nStdin, &nOwned[0]), AboveStandard(nStdout, &nOwned[1]),
                        AboveStandard(nStderr, &nOwned[2])};
    int nResult = 0;
    if (fds[0] < 0 || fds[1] < 0 || fds[2] < 0)
        nResult = errno ? errno : EBADF;

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    std::vector<char*> argv;
    if (nResult == 0) {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attr);
        for (int i = 0; i < 3; ++i)
            posix_spawn_file_actions_adddup2(&actions, fds[i], i);
        // The child sees 0, 1 and 2 only, whatever this process has open.
        posix_spawn_file_actions_addclosefrom_np(&actions, 3);
        if (bChdir)
            posix_spawn_file_actions_addchdir_np(&actions, pszWorkingDir);
        // Signals this process ignores or blocks must not stay so in the child.
        sigset_t mask, defaults;
        sigemptyset(&mask);
        sigemptyset(&defaults);
        for (int nSig : {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGCHLD, SIGUSR1, SIGUSR2, SIGALRM})
            sigaddset(&defaults, nSig);
        posix_spawnattr_setsigmask(&attr, &mask);
        posix_spawnattr_setsigdefault(&attr, &defaults);
        short nFlags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
        if (bNewGroup) {
            posix_spawnattr_setpgroup(&attr, 0);
            nFlags |= POSIX_SPAWN_SETPGROUP;
        }
        posix_spawnattr_setflags(&attr, nFlags);
        for (const CString& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        nResult = posix_spawn(&nPid, strProgram.c_str(), &actions, &attr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attr);
    }
    for (int fd : nOwned)
        if (fd >= 0)
            ::close(fd);
    if (nResult != 0) {
        nPid = 0;
        strError.Format("%s: %s", strProgram.c_str(), std::strerror(nResult));
        return FALSE;
    }
    return TRUE;
}

BOOL CProcessSpawner::WriteAll(int fd, const char* pBytes, int nCount)
{
    if (fd < 0 || nCount < 0)
        return FALSE;
    // SIGPIPE is blocked around the write and a pending one taken back, so a
    // closed reader shows as EPIPE only.
    sigset_t pipeSet, oldSet;
    sigemptyset(&pipeSet);
    sigaddset(&pipeSet, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSet, &oldSet);
    BOOL bOk = TRUE;
    bool bBrokenPipe = false;
    while (nCount > 0) {
        const ssize_t n = ::write(fd, pBytes, static_cast<size_t>(nCount));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                // A reader that takes no input: give it a while, then give up.
                struct pollfd pfd = {fd, POLLOUT, 0};
                if (::poll(&pfd, 1, WRITE_STALL_MS) > 0)
                    continue;
            }
            bBrokenPipe = errno == EPIPE;
            bOk = FALSE;
            break;
        }
        pBytes += n;
        nCount -= static_cast<int>(n);
    }
    if (bBrokenPipe && !sigismember(&oldSet, SIGPIPE)) {
        const struct timespec zero = {0, 0};
        while (sigtimedwait(&pipeSet, nullptr, &zero) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &oldSet, nullptr);
    return bOk;
}

int CProcessSpawner::OpenNullInput()
{
    return ::open("/dev/null", O_RDONLY | O_CLOEXEC);
}
