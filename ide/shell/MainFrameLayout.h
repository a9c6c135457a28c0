// CMainFrameLayout: the main window's layout as the settings file keeps it:
// the window's place and size, the splitters' rows and columns, whether the
// output row shows and the project window is docked (section "Windows"),
// the status bar and the three tool bars (sections "StatusBar", "ToolBar",
// "DebugBar", "BrowserBar"), and the floating project frame ("ProjWnd").
// It also does the arithmetic of the output and project toggles, which keep
// a hidden pane's share in a ratio, and fits a saved window onto the
// screens there are now. No windows here: the main frame reads and writes it.
#pragma once

#include "String.h"
#include "WinTypes.h"

#include <vector>

class CProfile;

// A rectangle in screen (or document-area) pixels.
struct CLayoutRect {
    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;

    int Right() const { return m_nLeft + m_nWidth; }
    int Bottom() const { return m_nTop + m_nHeight; }
    BOOL Contains(int nX, int nY) const { return nX >= m_nLeft && nX < Right() && nY >= m_nTop && nY < Bottom(); }
    BOOL Intersects(const CLayoutRect& other) const;
    bool operator==(const CLayoutRect& other) const = default;
};

// One control bar's stored state.
struct CBarLayout {
    BOOL m_bDisplay = TRUE;   // "Display": shown (any non-zero value read)
    BOOL m_bFloat = FALSE;    // "Float"
    int m_nDock = 59419;      // "Dock": the dock bar identifier of its side
    int m_nLeft = 0;          // "left", "top", "right", "bottom": its window rectangle
    int m_nTop = 0;
    int m_nRight = 0;
    int m_nBottom = 0;
};

class CMainFrameLayout {
public:
    enum EBar { BAR_TOOL, BAR_DEBUG, BAR_BROWSER, BAR_COUNT };
    // Dock bar identifiers of the four sides.
    enum : int { DOCK_TOP = 59419, DOCK_LEFT = 59420, DOCK_RIGHT = 59421, DOCK_BOTTOM = 59422 };
    // "Display" of a shown bar: the window's visible style bit.
    static constexpr int DISPLAY_VISIBLE = 268435456;
    static constexpr float INITIAL_OUTPUT_RATIO = 3.0f;
    static constexpr float INITIAL_PROJECT_RATIO = 4.0f;

    // Every value at its default.
    CMainFrameLayout();

    // Reads every key of the six sections; missing keys give the defaults.
    void Read(CProfile& profile);
    // Writes section "Windows", the status bar's and the three bars' keys;
    // FALSE when the file could not be written.
    BOOL Write(CProfile& profile) const;
    // Reads / writes section "ProjWnd" (the floating project frame's place).
    void ReadProjectFrame(CProfile& profile);
    BOOL WriteProjectFrame(CProfile& profile) const;

    // Section name of a bar ("ToolBar", "DebugBar", "BrowserBar").
    static const char* GetBarSection(int nBar);
    // TRUE for the four dock bar identifiers.
    static BOOL IsDockId(int nDock);

    // --- The window at close.
    // The window's rectangle to store: its normal (restored) rectangle when it
    // is maximised, else its rectangle.
    void SetMainWindow(const CLayoutRect& rect, const CLayoutRect& normal, BOOL bMaximised);
    CLayoutRect GetMainWindow() const;
    // The stored window moved and shrunk to lie on the screens given
    // (available areas, the primary first): a window whose top left is on no
    // screen goes to the primary screen's top left; none is larger than the
    // screen it lands on, and it is moved back inside that screen.
    CLayoutRect FitMainWindow(const std::vector<CLayoutRect>& screens) const;

    // --- Splitters at start-up.
    // The main splitter's rows for a client height: "Split1Y1" / "Split1Y2",
    // two thirds / one third of the height where they are 0.
    void GetInitialRows(int nClientHeight, int& nUpper, int& nLower) const;
    // The upper splitter's columns for a client width: the document area
    // "Split2X2" (a third of the width when 0), the project column "Split2X1".
    void GetInitialColumns(int nClientWidth, int& nProject, int& nDocuments) const;

    // --- Toggles. Each returns the new sizes and keeps the ratio.
    // Hiding the output row of heights nUpper / nLower: the ratio becomes
    // (nUpper + nLower) / nLower (kept when nLower is 0); the upper row takes
    // the whole height, returned.
    int HideOutput(int nUpper, int nLower);
    // Showing it again below an upper row of nUpper: the lower row gets
    // nUpper / ratio (truncated), the upper row the rest.
    void ShowOutput(int nUpper, int& nNewUpper, int& nLower) const;
    // Floating the project window out of columns nProject / nDocuments: the
    // ratio becomes their sum / nProject (kept when nProject is 0); the
    // documents take the whole width, returned.
    int FloatProject(int nProject, int nDocuments);
    // Docking it again into a width nWidth: the project column gets nWidth / ratio.
    void DockProject(int nWidth, int& nProject, int& nDocuments) const;

    // Every value, one per line, in the keys' order.
    CString Dump() const;

    // Section "Windows".
    int m_nMainOrigX = 0, m_nMainOrigY = 0;
    int m_nMainSizeX = 640, m_nMainSizeY = 480;
    int m_nSplit1Y1 = 640, m_nSplit1Y2 = 0;
    int m_nSplit2X1 = 175, m_nSplit2X2 = 0;
    BOOL m_bOutput = FALSE;    // "Output": the output row shows
    BOOL m_bProject = TRUE;    // "Project": the project window is docked
    // Section "StatusBar" and the three tool bars.
    BOOL m_bStatusBar = TRUE;
    CBarLayout m_bars[BAR_COUNT];
    // Section "ProjWnd", in document-area coordinates.
    int m_nProjOrigX = 0, m_nProjOrigY = 0, m_nProjWidth = 0, m_nProjHeight = 0;
    BOOL m_bProjMaximize = FALSE;
    // Not stored: the shares a hidden pane gets back.
    float m_fOutputRatio = INITIAL_OUTPUT_RATIO;
    float m_fProjectRatio = INITIAL_PROJECT_RATIO;
};
