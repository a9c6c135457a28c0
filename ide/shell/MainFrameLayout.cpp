#include "MainFrameLayout.h"

#include "Profile.h"
#include "SettingsFile.h"

#include <algorithm>
#include <cassert>

namespace {

const char* const WINDOWS = "Windows";
const char* const STATUS_BAR = "StatusBar";
const char* const PROJ_WND = "ProjWnd";
const char* const s_barSections[CMainFrameLayout::BAR_COUNT] = {"ToolBar", "DebugBar", "BrowserBar"};

struct CIntKey {
    const char* pszKey;
    int CMainFrameLayout::*pValue;
    int nDefault;
};

const CIntKey s_windowKeys[] = {
    {"MainOrigX", &CMainFrameLayout::m_nMainOrigX, 0},   {"MainOrigY", &CMainFrameLayout::m_nMainOrigY, 0},
    {"MainSizeX", &CMainFrameLayout::m_nMainSizeX, 640}, {"MainSizeY", &CMainFrameLayout::m_nMainSizeY, 480},
    {"Split1Y1", &CMainFrameLayout::m_nSplit1Y1, 640},   {"Split1Y2", &CMainFrameLayout::m_nSplit1Y2, 0},
    {"Split2X1", &CMainFrameLayout::m_nSplit2X1, 175},   {"Split2X2", &CMainFrameLayout::m_nSplit2X2, 0},
    {"Output", &CMainFrameLayout::m_bOutput, 0},         {"Project", &CMainFrameLayout::m_bProject, 1},
};

const CIntKey s_projectFrameKeys[] = {
    {"OrigX", &CMainFrameLayout::m_nProjOrigX, 0},   {"OrigY", &CMainFrameLayout::m_nProjOrigY, 0},
    {"Width", &CMainFrameLayout::m_nProjWidth, 0},   {"Height", &CMainFrameLayout::m_nProjHeight, 0},
    {"Maximize", &CMainFrameLayout::m_bProjMaximize, 0},
};

int DisplayValue(BOOL bShown)
{
    return bShown ? CMainFrameLayout::DISPLAY_VISIBLE : 0;
}

}  // namespace

BOOL CLayoutRect::Intersects(const CLayoutRect& other) const
{
    return m_nLeft < other.Right() && other.m_nLeft < Right() && m_nTop < other.Bottom() && other.m_nTop < Bottom();
}

CMainFrameLayout::CMainFrameLayout()
{
    m_bars[BAR_DEBUG].m_bDisplay = FALSE;
    m_bars[BAR_BROWSER].m_bDisplay = FALSE;
}

const char* CMainFrameLayout::GetBarSection(int nBar)
{
    assert(nBar >= 0 && nBar < BAR_COUNT);
    return s_barSections[nBar];
}

BOOL CMainFrameLayout::IsDockId(int nDock)
{
    return nDock >= DOCK_TOP && nDock <= DOCK_BOTTOM;
}

void CMainFrameLayout::Read(CProfile& profile)
{
    for (const CIntKey& key : s_windowKeys)
        this->*key.pValue = profile.GetInt(WINDOWS, key.pszKey, key.nDefault);
    m_bOutput = m_bOutput != 0;
    m_bProject = m_bProject != 0;
    m_bStatusBar = profile.GetInt(STATUS_BAR, "Display", 1) != 0;
    for (int i = 0; i < BAR_COUNT; ++i) {
        CBarLayout& bar = m_bars[i];
        const char* pszSection = s_barSections[i];
        bar.m_bDisplay = profile.GetInt(pszSection, "Display", i == BAR_TOOL ? 1 : 0) != 0;
        bar.m_bFloat = profile.GetInt(pszSection, "Float", 0) != 0;
        bar.m_nDock = profile.GetInt(pszSection, "Dock", DOCK_TOP);
        if (!IsDockId(bar.m_nDock))
            bar.m_nDock = DOCK_TOP;   // a side that does not exist docks on top
        bar.m_nLeft = profile.GetInt(pszSection, "left", 0);
        bar.m_nTop = profile.GetInt(pszSection, "top", 0);
        bar.m_nRight = profile.GetInt(pszSection, "right", 0);
        bar.m_nBottom = profile.GetInt(pszSection, "bottom", 0);
    }
    ReadProjectFrame(profile);
}

BOOL CMainFrameLayout::Write(CProfile& profile) const
{
    BOOL bOk = TRUE;
    auto write = [&](const char* pszSection, const char* pszKey, int nValue) {
        if (!CSettingsFile::WriteInt(profile, pszSection, pszKey, nValue))
            bOk = FALSE;
    };
    write(STATUS_BAR, "Display", DisplayValue(m_bStatusBar));
    for (int i = 0; i < BAR_COUNT; ++i) {
        const CBarLayout& bar = m_bars[i];
        const char* pszSection = s_barSections[i];
        write(pszSection, "Display", DisplayValue(bar.m_bDisplay));
        write(pszSection, "Float", bar.m_bFloat ? 1 : 0);
        write(pszSection, "left", bar.m_nLeft);
        write(pszSection, "top", bar.m_nTop);
        // A floating bar sits in no dock bar: its last side stays as it was.
        if (!bar.m_bFloat && IsDockId(bar.m_nDock))
            write(pszSection, "Dock", bar.m_nDock);
        write(pszSection, "left", bar.m_nLeft);
        write(pszSection, "right", bar.m_nRight);
        write(pszSection, "top", bar.m_nTop);
        write(pszSection, "bottom", bar.m_nBottom);
    }
    for (const CIntKey& key : s_windowKeys)
        write(WINDOWS, key.pszKey, this->*key.pValue);
    return bOk;
}

void CMainFrameLayout::ReadProjectFrame(CProfile& profile)
{
    for (const CIntKey& key : s_projectFrameKeys)
        this->*key.pValue = profile.GetInt(PROJ_WND, key.pszKey, key.nDefault);
    m_bProjMaximize = m_bProjMaximize != 0;
}

BOOL CMainFrameLayout::WriteProjectFrame(CProfile& profile) const
{
    BOOL bOk = TRUE;
    for (const CIntKey& key : s_projectFrameKeys)
        if (!CSettingsFile::WriteInt(profile, PROJ_WND, key.pszKey, this->*key.pValue))
            bOk = FALSE;
    return bOk;
}

void CMainFrameLayout::SetMainWindow(const CLayoutRect& rect, const CLayoutRect& normal, BOOL bMaximised)
{
    // A maximised window would otherwise come back covering the screen
    // with no size of its own to restore to.
    const CLayoutRect& stored = bMaximised && normal.m_nWidth > 0 && normal.m_nHeight > 0 ? normal : rect;
    m_nMainOrigX = stored.m_nLeft;
    m_nMainOrigY = stored.m_nTop;
    m_nMainSizeX = stored.m_nWidth;
    m_nMainSizeY = stored.m_nHeight;
}

CLayoutRect CMainFrameLayout::GetMainWindow() const
{
    return CLayoutRect{m_nMainOrigX, m_nMainOrigY, m_nMainSizeX, m_nMainSizeY};
}

CLayoutRect CMainFrameLayout::FitMainWindow(const std::vector<CLayoutRect>& screens) const
{
    CLayoutRect rect = GetMainWindow();
    if (rect.m_nWidth <= 0)
        rect.m_nWidth = 640;
    if (rect.m_nHeight <= 0)
        rect.m_nHeight = 480;
    if (screens.empty())
        return rect;
    const CLayoutRect* pScreen = nullptr;
    for (const CLayoutRect& screen : screens)
        if (screen.Contains(rect.m_nLeft, rect.m_nTop)) {
            pScreen = &screen;
            break;
        }
    if (!pScreen) {
        pScreen = &screens.front();
        rect.m_nLeft = pScreen->m_nLeft;
        rect.m_nTop = pScreen->m_nTop;
    }
    rect.m_nWidth = std::min(rect.m_nWidth, pScreen->m_nWidth);
    rect.m_nHeight = std::min(rect.m_nHeight, pScreen->m_nHeight);
    rect.m_nLeft = std::min(rect.m_nLeft, pScreen->Right() - rect.m_nWidth);
    rect.m_nTop = std::min(rect.m_nTop, pScreen->Bottom() - rect.m_nHeight);
    return rect;
}

void CMainFrameLayout::GetInitialRows(int nClientHeight, int& nUpper, int& nLower) const
{
    nUpper = m_nSplit1Y1 != 0 ? m_nSplit1Y1 : nClientHeight * 2 / 3;
    nLower = m_nSplit1Y2 != 0 ? m_nSplit1Y2 : nClientHeight / 3;
}

void CMainFrameLayout::GetInitialColumns(int nClientWidth, int& nProject, int& nDocuments) const
{
    nProject = m_nSplit2X1;
    nDocuments = m_nSplit2X2 != 0 ? m_nSplit2X2 : nClientWidth / 3;
}

int CMainFrameLayout::HideOutput(int nUpper, int nLower)
{
    if (nLower > 0)
        m_fOutputRatio = static_cast<float>(nUpper + nLower) / static_cast<float>(nLower);
    return nUpper + nLower;
}

void CMainFrameLayout::ShowOutput(int nUpper, int& nNewUpper, int& nLower) const
{
    nLower = m_fOutputRatio > 0 ? static_cast<int>(static_cast<float>(nUpper) / m_fOutputRatio) : 0;
    nNewUpper = nUpper - nLower;
}

int CMainFrameLayout::FloatProject(int nProject, int nDocuments)
{
    if (nProject > 0)
        m_fProjectRatio = static_cast<float>(nProject + nDocuments) / static_cast<float>(nProject);
    return nProject + nDocuments;
}

void CMainFrameLayout::DockProject(int nWidth, int& nProject, int& nDocuments) const
{
    nProject = m_fProjectRatio > 0 ? static_cast<int>(static_cast<float>(nWidth) / m_fProjectRatio) : 0;
    nDocuments = nWidth - nProject;
}

CString CMainFrameLayout::Dump() const
{
    CString strOut, strLine;
    for (const CIntKey& key : s_windowKeys) {
        strLine.Format("Windows.%s=%d\n", key.pszKey, this->*key.pValue);
        strOut += strLine;
    }
    strLine.Format("StatusBar.Display=%d\n", m_bStatusBar ? 1 : 0);
    strOut += strLine;
    for (int i = 0; i < BAR_COUNT; ++i) {
        const CBarLayout& bar = m_bars[i];
        strLine.Format("%s: display=%d float=%d dock=%d rect=%d,%d,%d,%d\n", s_barSections[i], bar.m_bDisplay ? 1 : 0,
                       bar.m_bFloat ? 1 : 0, bar.m_nDock, bar.m_nLeft, bar.m_nTop, bar.m_nRight, bar.m_nBottom);
        strOut += strLine;
    }
    strLine.Format("ProjWnd: %d,%d %dx%d maximize=%d\nratios: output=%.3f project=%.3f\n", m_nProjOrigX, m_nProjOrigY,
                   m_nProjWidth, m_nProjHeight, m_bProjMaximize ? 1 : 0, m_fOutputRatio, m_fProjectRatio);
    strOut += strLine;
    return strOut;
}
