#include "IntrospectionQueue.h"

#include "BrowserHost.h"

#include <chrono>
#include <sys/stat.h>
#include <thread>

namespace {

BOOL FileExists(const char* pszPath)
{
    struct stat st;
    return ::stat(pszPath, &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

CIntrospectionQueue::CIntrospectionQueue(CBrowserHost& host, const CStringArray& arrFiles)
    : m_host(host), m_arrFiles(arrFiles), m_introspection(host)
{
}

CIntrospectionQueue::~CIntrospectionQueue() = default;

int CIntrospectionQueue::Begin()
{
    m_nNext = 0;
    m_nState = STATE_RUNNING;
    StartNext();
    return m_nState;
}

void CIntrospectionQueue::StartNext()
{
    while (m_nState == STATE_RUNNING) {
        if (m_nNext >= m_arrFiles.GetSize()) {
            m_nState = STATE_DONE;
            return;
        }
        m_strCurrent = m_arrFiles[m_nNext++];
        if (!FileExists(m_strCurrent))
            continue;
        CString strName = m_strCurrent.Mid(m_strCurrent.ReverseFind('/') + 1);
        m_strCaption.Format(GetCaptionFormat(), strName.c_str());
        CString strError;
        if (m_introspection.Start(GetHelperName(), m_strCurrent, strError)) {
            WriteStarted(m_strCurrent);
            return;
        }
        WriteStartFailed();
        if (StopsOnFailure())
            m_nState = STATE_CANCELLED;
    }
}

void CIntrospectionQueue::FileEnded()
{
    m_nFinished++;
    BOOL bSucceeded = m_introspection.Succeeded();
    if (bSucceeded) {
        TakeOutput(m_introspection.GetOutputPath(), m_strCurrent);
        m_host.WriteOutput("Done");
    } else {
        m_host.WriteOutput("Aborted");
    }
    m_introspection.DeleteOutput();
    if (!bSucceeded && StopsOnFailure())
        m_nState = STATE_CANCELLED;
    else
        StartNext();
}

int CIntrospectionQueue::Poll()
{
    if (m_nState != STATE_RUNNING)
        return m_nState;
    if (m_introspection.Poll())
        FileEnded();
    return m_nState;
}

void CIntrospectionQueue::Cancel()
{
    if (m_nState != STATE_RUNNING)
        return;
    if (m_introspection.IsRunning()) {
        m_introspection.Abort();
        m_introspection.WaitForEnd(10000);
        m_host.WriteOutput("Aborted");
        m_introspection.DeleteOutput();
    }
    m_nState = STATE_CANCELLED;
}

int CIntrospectionQueue::RunToEnd()
{
    Begin();
    while (Poll() == STATE_RUNNING)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return m_nState;
}
