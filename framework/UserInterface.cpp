#include "UserInterface.h"

#include "StringArray.h"

#include <cstdio>

namespace {

class CHeadlessUserInterface : public CUserInterface {
public:
    int MessageBox(const char* pszText, UINT nType) override
    {
        std::fprintf(stderr, "%s\n", pszText);
        return DefaultAnswer(nType);
    }
    BOOL SetClipboardText(const char* pszText) override
    {
        m_strClipboard = pszText;
        m_bHasText = true;
        return TRUE;
    }
    BOOL GetClipboardText(CString& strText) override
    {
        strText = m_strClipboard;
        return m_bHasText;
    }
    void SetStatusText(const char*) override {}
    void SetWaitCursor(BOOL) override {}

private:
    CString m_strClipboard;
    bool m_bHasText = false;
};

CHeadlessUserInterface g_headless;
CUserInterface* g_pInstalled = nullptr;

} // namespace

CUserInterface& CUserInterface::Get()
{
    return g_pInstalled ? *g_pInstalled : g_headless;
}

CUserInterface* CUserInterface::Install(CUserInterface* pUI)
{
    CUserInterface* pOld = g_pInstalled;
    g_pInstalled = pUI;
    return pOld;
}

BOOL CUserInterface::GetFileNames(BOOL, const char*, const char*, const char*, const char*, DWORD,
                                  CStringArray& arrPaths)
{
    arrPaths.RemoveAll();
    return FALSE;
}

BOOL CUserInterface::GetFolderName(const char*, const char*, CString& strFolder)
{
    strFolder.Empty();
    return FALSE;
}

int CUserInterface::DefaultAnswer(UINT nType)
{
    static const int answers[][3] = {
        {IDOK, IDOK, IDOK},             // MB_OK
        {IDOK, IDCANCEL, IDCANCEL},     // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},   // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},        // MB_YESNOCANCEL
        {IDYES, IDNO, IDNO},            // MB_YESNO
        {IDRETRY, IDCANCEL, IDCANCEL},  // MB_RETRYCANCEL
    };
    UINT nButtons = nType & MB_TYPEMASK;
    if (nButtons > 5)
        nButtons = 0;
    UINT nDefault = (nType & MB_DEFMASK) >> 8;
    if (nDefault > 2)
        nDefault = 0;
    return answers[nButtons][nDefault];
}

int AfxMessageBox(const char* pszText, UINT nType)
{
    return CUserInterface::Get().MessageBox(pszText, nType);
}
