#include "DocumentRecovery.h"

#include "ChildFrame.h"
#include "DocumentWindows.h"
#include "JavaIDEDoc.h"
#include "JavaIDEView.h"
#include "RecoveryStore.h"
#include "UserInterface.h"

#include <QDateTime>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int s_signalFds[2] = {-1, -1};

void OnSignal(int nSignal)
{
    int nSaved = errno;
    char ch = static_cast<char>(nSignal);
    [[maybe_unused]] ssize_t n = write(s_signalFds[1], &ch, 1);
    errno = nSaved;
}

// The title of an untitled document without the modified mark.
CString BaseTitle(CDocumentWindow* pWindow)
{
    CString strTitle = pWindow->GetDocument()->GetTitle();
    if (strTitle.GetLength() >= 2 && strTitle.Right(2) == " *")
        strTitle = strTitle.Left(strTitle.GetLength() - 2);
    return strTitle;
}

}  // namespace

CDocumentRecovery::CDocumentRecovery(CDocumentWindows* pWindows, const char* pszFolder, QObject* pParent)
    : QObject(pParent), m_pWindows(pWindows), m_pStore(std::make_unique<CRecoveryStore>(pszFolder))
{
    int nSeconds = qEnvironmentVariableIntValue("MOSK_RECOVERY_SECONDS");
    m_timer.setInterval((nSeconds > 0 ? nSeconds : 30) * 1000);
    connect(&m_timer, &QTimer::timeout, this, [this] { SaveNow(); });
    m_timer.start();
}

CDocumentRecovery::~CDocumentRecovery() = default;

int CDocumentRecovery::SaveNow()
{
    std::vector<CString> keys;
    int nWritten = 0;
    long long nNow = static_cast<long long>(std::time(nullptr));
    m_pWindows->ForEach([&](CDocumentWindow* pWindow) {
        if (!CDocumentWindows::IsModified(pWindow))
            return;
        CString strPath = CDocumentWindows::GetPath(pWindow);
        CString strTitle = strPath.IsEmpty() ? BaseTitle(pWindow) : CString();
        CString strText = CDocumentWindows::GetView(pWindow).GetCtrl().GetWindowText();
        CString strError;
        if (m_pStore->Write(strPath, strTitle, strText.str(), nNow, strError)) {
            keys.push_back(CRecoveryStore::GetKey(strPath, strTitle));
            ++nWritten;
        } else {
            std::fprintf(stderr, "mosk: cannot keep the unsaved text of %s: %s\n",
                         (strPath.IsEmpty() ? strTitle : strPath).c_str(), strError.c_str());
        }
    });
    m_pStore->RemoveAllBut(keys);
    return nWritten;
}

int CDocumentRecovery::OfferRestore()
{
    int nRestored = 0;
    for (const CRecoveryStore::CEntry& entry : m_pStore->FindOrphans()) {
        CString strName = entry.m_strPath.IsEmpty() ? entry.m_strTitle : entry.m_strPath;
        QString strWhen = QDateTime::fromSecsSinceEpoch(entry.m_nTime).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        CString strQuestion = "Mosk ended before the changes to " + strName + " were saved. Its text of "
                              + CString(strWhen.toUtf8().constData())
                              + " was kept.\n\nSelect Yes to restore that text (shown as modified, not yet saved), "
                                "No to discard it.";
        if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1) != IDYES) {
            CRecoveryStore::Remove(entry);
            continue;
        }
        CDocumentWindow* pWindow = nullptr;
        if (!entry.m_strPath.IsEmpty() && access(entry.m_strPath, F_OK) == 0)
            pWindow = m_pWindows->Open(entry.m_strPath);
        if (!pWindow)
            pWindow = m_pWindows->CreateUntitled();  // the file is gone: Save As gives it a place again
        if (!pWindow)
            continue;  // kept for the next start
        CJavaIDEView& view = CDocumentWindows::GetView(pWindow);
        view.LoadText(entry.m_strText.data(), static_cast<long>(entry.m_strText.size()));
        view.GetCtrl().SetModify(TRUE);
        pWindow->GetDocument()->SetModifiedFlag(TRUE);
        ++nRestored;
        CRecoveryStore::Remove(entry);
    }
    // The restored texts are this program's to keep now.
    if (nRestored > 0)
        SaveNow();
    return nRestored;
}

void CDocumentRecovery::RemoveOwn()
{
    m_timer.stop();
    m_pStore->RemoveOwn();
}

void CDocumentRecovery::CatchTermination()
{
    if (s_signalFds[0] >= 0)
        return;
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, s_signalFds) != 0)
        return;
    m_pSignalNotifier = new QSocketNotifier(s_signalFds[0], QSocketNotifier::Read, this);
    connect(m_pSignalNotifier, &QSocketNotifier::activated, this, [this] { OnTerminationSignal(); });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

void CDocumentRecovery::OnTerminationSignal()
{
    char ch = 0;
    if (read(s_signalFds[0], &ch, 1) != 1)
        return;
    SaveNow();
    // Asked to end: no questions, and the kept texts stay for the next start.
    std::fflush(nullptr);
    _exit(128 + ch);
}
