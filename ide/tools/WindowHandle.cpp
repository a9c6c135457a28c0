#include "WindowHandle.h"

#include "WindowCore.h"

#include <condition_variable>
#include <mutex>

namespace {

// The rendezvous of one synchronous send: the sender waits until the
// handler ran or the queued call was dropped.
struct CSendWait {
    std::mutex mutex;
    std::condition_variable cond;
    bool bDone = false;
    LRESULT nResult = 0;

    void Finish(LRESULT nResult_)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!bDone) {
            bDone = true;
            nResult = nResult_;
        }
        cond.notify_all();
    }
};

// Held by the queued call; finishing on destruction covers a call that was
// dropped with its window.
struct CSendTicket {
    std::shared_ptr<CSendWait> pWait;
    ~CSendTicket() { pWait->Finish(0); }
};

} // namespace

BOOL CWindowHandle::IsWindow() const
{
    return m_pCore && m_pCore->IsWindow();
}

BOOL CWindowHandle::PostMessage(UINT nMsg, WPARAM wParam, LPARAM lParam) const
{
    if (!m_pCore)
        return FALSE;
    std::shared_ptr<CWindowCore> pCore = m_pCore;
    return m_pCore->Queue([pCore, nMsg, wParam, lParam]() { pCore->Deliver(nMsg, wParam, lParam); });
}

LRESULT CWindowHandle::SendMessage(UINT nMsg, WPARAM wParam, LPARAM lParam) const
{
    if (!m_pCore)
        return 0;
    if (m_pCore->IsOwnThread())
        return m_pCore->Deliver(nMsg, wParam, lParam);
    auto pWait = std::make_shared<CSendWait>();
    {
        auto pTicket = std::make_shared<CSendTicket>();
        pTicket->pWait = pWait;
        std::shared_ptr<CWindowCore> pCore = m_pCore;
        if (!m_pCore->Queue([pCore, pTicket, nMsg, wParam, lParam]() {
                pTicket->pWait->Finish(pCore->Deliver(nMsg, wParam, lParam));
            }))
            return 0;
    }
    std::unique_lock<std::mutex> lock(pWait->mutex);
    pWait->cond.wait(lock, [&] { return pWait->bDone; });
    return pWait->nResult;
}
