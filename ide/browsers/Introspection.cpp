#include "Introspection.h"

#include "BrowserHost.h"
#include "ProcessHandle.h"
#include "ProcessSpawner.h"
#include "RunThreads.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

struct CIntrospectionRun {
    CProcessHandle process;
    int nOutputFd = -1;            // read end of the helper's standard output and error
    int nInputFd = -1;             // write end of its standard input
    std::mutex mutex;
    std::string strPending;        // output not yet passed on
    std::atomic<BOOL> bAbort{FALSE};
    std::atomic<BOOL> bEnded{FALSE};
    std::atomic<int> nExitCode{-1};

    ~CIntrospectionRun()
    {
        if (nInputFd >= 0)
            ::close(nInputFd);
    }

    void Append(const char* pBytes, ssize_t nCount)
    {
        std::lock_guard<std::mutex> lock(mutex);
        strPending.append(pBytes, static_cast<size_t>(nCount));
    }

    // The thread: reads until the pipe closes (or an abort), reaps the helper, drains the rest.
    void Run()
    {
        char buffer[1049];
        for (;;) {
            pollfd pfd{nOutputFd, POLLIN, 0};
            int nReady = ::poll(&pfd, 1, 50);
            if (nReady < 0 && errno == EINTR)
                continue;
            if (nReady > 0) {
                ssize_t n = ::read(nOutputFd, buffer, sizeof buffer);
                if (n > 0) {
                    Append(buffer, n);
                    continue;
                }
                if (n < 0 && errno == EINTR)
                    continue;
                break;
            }
            if (nReady < 0 || bAbort)
                break;
        }
        int nStatus = process.Wait();
        ::fcntl(nOutputFd, F_SETFL, ::fcntl(nOutputFd, F_GETFL) | O_NONBLOCK);
        for (ssize_t n; (n = ::read(nOutputFd, buffer, sizeof buffer)) > 0;)
            Append(buffer, n);
        ::close(nOutputFd);
        nOutputFd = -1;
        nExitCode = bAbort ? CIntrospection::ABORT_EXIT_CODE : nStatus;
        bEnded = TRUE;
    }
};

namespace {

CString s_strJdkFolder;

BOOL FileExists(const char* pszPath)
{
    struct stat st;
    return ::stat(pszPath, &st) == 0 && S_ISREG(st.st_mode);
}

// A command-line word, quoted when it holds a blank.
CString Quoted(const CString& strWord)
{
    return strWord.Find(' ') >= 0 || strWord.Find('\t') >= 0 ? "\"" + strWord + "\"" : strWord;
}

} // namespace

CIntrospection::CIntrospection(CBrowserHost& host) : m_host(host) {}

CIntrospection::~CIntrospection()
{
    if (m_pRun && !m_pRun->bEnded) {
        Abort();
        WaitForEnd(10000);
    }
    DeleteOutput();
}

void CIntrospection::SetJdkFolder(const char* pszFolder)
{
    s_strJdkFolder = pszFolder ? pszFolder : "";
}

const CString& CIntrospection::GetJdkFolder()
{
    return s_strJdkFolder;
}

BOOL CIntrospection::MakeOutputFile(CString& strPath)
{
    const char* pszTemp = std::getenv("TMPDIR");
    CString strTemplate = CString(pszTemp && *pszTemp ? pszTemp : "/tmp") + "/tmpXXXXXX";
    std::string strBuffer = strTemplate.str();
    int fd = ::mkstemp(strBuffer.data());
    if (fd < 0) {
        // The fixed name: never through a link another user may have put there.
        fd = ::open(FALLBACK_OUTPUT, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            return FALSE;
        strBuffer = FALLBACK_OUTPUT;
    }
    ::close(fd);
    strPath = strBuffer.c_str();
    return TRUE;
}

BOOL CIntrospection::Start(const char* pszHelper, const char* pszPath, CString& strError)
{
    if (IsRunning())
        return FALSE;
    DeleteOutput();
    m_bEnded = FALSE;
    m_pRun.reset();
    CString strPath = pszPath;
    int nSlash = strPath.ReverseFind('/');
    CString strFolder = nSlash > 0 ? strPath.Left(nSlash) : nSlash == 0 ? CString("/") : CString(".");
    CString strName = strPath.Mid(nSlash + 1);
    int nDot = strName.ReverseFind('.');
    if (nDot > 0)
        strName = strName.Left(nDot);
    if (!MakeOutputFile(m_strOutputPath)) {
        strError = "No output file could be made.";
        return FALSE;
    }
    CString strJava = s_strJdkFolder.IsEmpty() ? CString("java") : s_strJdkFolder + "/java";
    m_strCommandLine = Quoted(strJava) + " " + pszHelper + " " + Quoted(strName) + " " + Quoted(m_strOutputPath);

    int outPipe[2], inPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0) {
        m_host.WriteOutput("Error setting standard output handle\n");
        strError = "No pipe for the output.";
        DeleteOutput();
        return FALSE;
    }
    if (::pipe2(inPipe, O_CLOEXEC) != 0) {
        ::close(outPipe[0]);
        ::close(outPipe[1]);
        m_host.WriteOutput("Error setting standard input handle\n");
        strError = "No pipe for the input.";
        DeleteOutput();
        return FALSE;
    }
    auto pRun = std::make_shared<CIntrospectionRun>();
    pid_t nPid = 0;
    BOOL bStarted = CProcessSpawner::Spawn(m_strCommandLine, strFolder, inPipe[0], outPipe[1], outPipe[1], nPid,
                                           strError);
    ::close(inPipe[0]);
    ::close(outPipe[1]);
    if (bStarted && !pRun->process.Attach(nPid)) {
        m_host.WriteOutput("Error duplicating handle\n");
        strError = "The helper process could not be held.";
        bStarted = FALSE;
    }
    if (!bStarted) {
        ::close(outPipe[0]);
        ::close(inPipe[1]);
        DeleteOutput();
        return FALSE;
    }
    pRun->nOutputFd = outPipe[0];
    pRun->nInputFd = inPipe[1];
    if (!CRunThreads::Start([pRun] { pRun->Run(); })) {
        pRun->bAbort = TRUE;
        pRun->process.Terminate();
        pRun->Run();
    }
    m_pRun = pRun;
    return TRUE;
}

BOOL CIntrospection::Poll()
{
    if (!m_pRun)
        return TRUE;
    BOOL bEnded = m_pRun->bEnded;  // read before the output, so nothing written before the end is missed
    std::string strChunk;
    {
        std::lock_guard<std::mutex> lock(m_pRun->mutex);
        strChunk.swap(m_pRun->strPending);
    }
    if (!strChunk.empty())
        m_host.WriteOutput(CString(strChunk.c_str()));
    if (bEnded)
        m_bEnded = TRUE;
    return bEnded;
}

BOOL CIntrospection::WaitForEnd(int nMilliseconds)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nMilliseconds);
    while (!Poll()) {
        if (std::chrono::steady_clock::now() >= end)
            return FALSE;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return TRUE;
}

void CIntrospection::Abort()
{
    if (!m_pRun || m_pRun->bEnded)
        return;
    m_pRun->bAbort = TRUE;
    m_pRun->process.Terminate();
}

BOOL CIntrospection::IsRunning() const
{
    return m_pRun && !m_bEnded;
}

int CIntrospection::GetExitCode() const
{
    return m_pRun && m_bEnded ? m_pRun->nExitCode.load() : -1;
}

BOOL CIntrospection::Succeeded() const
{
    return GetExitCode() == 0 && !m_strOutputPath.IsEmpty() && FileExists(m_strOutputPath);
}

void CIntrospection::DeleteOutput()
{
    if (!m_strOutputPath.IsEmpty())
        ::unlink(m_strOutputPath);
    m_strOutputPath.Empty();
}
