#include "HelpBrowser.h"

#include "BrowserOptions.h"
#include "HTMLClient.h"
#include "HelpAddress.h"
#include "HelpHistory.h"
#include "HelpProgress.h"
#include "StringArray.h"
#include "UserInterface.h"

#include <sys/stat.h>

CHelpBrowser::CHelpBrowser(CHTMLClient& client, CHelpHistory& history, BOOL bTemporary)
    : m_client(client), m_history(history), m_bTemporary(bTemporary)
{
}

CString CHelpBrowser::ResolveAddress(const char* pszAddress)
{
    CString strFile = CHelpAddress::GetFilePart(pszAddress);
    struct stat st {};
    if (strFile.IsEmpty() || stat(strFile, &st) != 0 || S_ISDIR(st.st_mode))
        return CString();
    return strFile;
}

CString CHelpBrowser::TitleOf(const char* pszAddress)
{
    return CHelpAddress::GetFileName(CHelpAddress::GetFilePart(pszAddress));
}

BOOL CHelpBrowser::ShowAddress(const char* pszAddress)
{
    CUserInterface& ui = CUserInterface::Get();
    if (ResolveAddress(pszAddress).IsEmpty()) {
        CString strMessage;
        strMessage.Format("File %s not found. Please make sure Java document direcory is set properly under "
                          "Options/Directory !",
                          pszAddress);
        AfxMessageBox(strMessage);
        return FALSE;
    }
    CString strStatus;
    strStatus.Format("Loading %s", pszAddress);
    ui.SetStatusText(strStatus);
    if (m_client.Load(CHelpAddress::StripFileScheme(pszAddress)) != 0)
        return FALSE;
    ui.SetStatusText("Done...");
    Shown(pszAddress);
    return TRUE;
}

void CHelpBrowser::Shown(const CString& strAddress)
{
    m_strTitle = TitleOf(strAddress);
    m_history.Add(strAddress);
    m_strLastAddress = strAddress;
    if (m_fnTitleChanged)
        m_fnTitleChanged();
}

void CHelpBrowser::Forward()
{
    m_client.Forward();
    CString strLocation = m_client.GetLocation();
    if (!strLocation.IsEmpty() && strLocation != m_strLastAddress)
        Shown(strLocation);
}

void CHelpBrowser::Back()
{
    m_client.Back();
    CString strLocation = m_client.GetLocation();
    if (!strLocation.IsEmpty() && strLocation != m_strLastAddress)
        Shown(strLocation);
}

void CHelpBrowser::ApplyOptions(CBrowserOptions& options)
{
    m_client.SetAutoload(options.bAutoload);
    m_client.SetColors(options.clrBack, options.clrText, options.clrLink);
    struct {
        int nFont;
        CString* pFace;
    } faces[] = {{CHTMLClient::FONT_HEADING, &options.strFontHeading},
                 {CHTMLClient::FONT_NORMAL, &options.strFontNormal},
                 {CHTMLClient::FONT_FIXED, &options.strFontFixed}};
    for (auto& face : faces) {
        if (face.pFace->IsEmpty())
            *face.pFace = m_client.GetFontFace(face.nFont);
        else
            m_client.SetFontFace(face.nFont, *face.pFace);
    }
    for (int i = 0; i < 6; ++i)
        m_client.SetElementSize(CHTMLClient::ELEMENT_HEADING1 - i, options.nHeader[i]);
    m_client.SetElementSize(CHTMLClient::ELEMENT_NORMAL, options.nDefaultSize);
}

void CHelpBrowser::CollectLinks(CStringArray& links, CHelpProgress* pProgress)
{
    links.RemoveAll();
    int nCount = m_client.GetLinkCount();
    BOOL bProgress = pProgress && nCount > 50;
    if (bProgress)
        pProgress->Begin(nCount);
    for (int i = 0; i < nCount; ++i) {
        links.Add(m_client.GetLink(i));
        if (bProgress)
            pProgress->Step();
    }
    if (bProgress)
        pProgress->End();
}
