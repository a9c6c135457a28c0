#include "MenuCommandTable.h"

#include "DocumentCommands.h"
#include "MainFrameCommands.h"
#include "MainFrameLayout.h"

#include <cassert>

namespace {

using C = CMainFrameCommands;
constexpr UINT SEP = CMenuCommand::SEPARATOR_BEFORE;
constexpr UINT SHOWN = CMenuCommand::ACCEL_SHOWN;

// Numbers of the main menu that have no name elsewhere.
enum : UINT {
    ID_FILE_NEW = 57600, ID_FILE_OPEN = 57601, ID_FILE_PRINT_SETUP = 57606, ID_APP_EXIT = 57665,
    ID_APP_ABOUT = 57664, ID_FILE_SAVE_ALL = 32935, ID_FIND_IN_FILES = 32959, ID_ADD_TO_PROJECT = 32968,
    ID_VIEW_TOOLBAR = 59392, ID_VIEW_STATUS_BAR = 59393, ID_VIEW_DEBUG_BAR = 32845, ID_VIEW_BROWSER_BAR = 32921,
    ID_VIEW_OUTPUT = 32771, ID_VIEW_DEBUG = 32906, ID_VIEW_PROJECT = 32961,
    ID_WINDOW_CASCADE = 57650, ID_WINDOW_TILE = 57651, ID_WINDOW_ARRANGE = 57649, ID_WINDOW_HELP = 32929,
    ID_WINDOW_OUTPUT = 32930, ID_WINDOW_DEBUG = 32931, ID_WINDOW_SEARCH = 32960, ID_WINDOW_PROJECT_TAB = 32963,
};

// Menu, text, accelerator, number, handler, enabled when, checked when, flags.
const CMenuCommand s_commands[] = {
    {"&File", "&New", "Ctrl+N", ID_FILE_NEW, &C::OnFileNew, nullptr, nullptr, 0},
    {"&File", "&Open...", "Ctrl+O", ID_FILE_OPEN, &C::OnFileOpen, nullptr, nullptr, 0},
    {"&File", "&Close", nullptr, ID_FILE_CLOSE, &C::OnViewCommand, &C::CanViewCommand, nullptr, 0},
    {"&File", "&Save", "Ctrl+S", ID_FILE_SAVE, &C::OnViewCommand, &C::CanViewCommand, nullptr, SEP},
    {"&File", "Save &As...", nullptr, ID_FILE_SAVE_AS, &C::OnViewCommand, &C::CanViewCommand, nullptr, 0},
    {"&File", "Save A&ll...", nullptr, ID_FILE_SAVE_ALL, &C::OnFileSaveAll, &C::CanSaveAll, nullptr, 0},
    {"&File", "F&ind in Files...", nullptr, ID_FIND_IN_FILES, &C::OnFindInFiles, nullptr, nullptr, SEP},
    {"&File", "Add &To Project", nullptr, ID_ADD_TO_PROJECT, &C::OnAddToProject, &C::CanAddToProject, nullptr, 0},
    {"&File", "&Print...", "Ctrl+P", ID_FILE_PRINT, &C::OnViewCommand, &C::CanViewCommand, nullptr, SEP},
    {"&File", "Print Set&up...", nullptr, ID_FILE_PRINT_SETUP, &C::OnPrintSetup, nullptr, nullptr, 0},
    {"&File", "Recent File", nullptr, CMenuCommandTable::ID_FILE_MRU_FIRST, &C::OnRecentFile, &C::HasRecentFiles,
     nullptr, SEP},
    {"&File", "E&xit", nullptr, ID_APP_EXIT, &C::OnExit, nullptr, nullptr, SEP},

    {"&Edit", "&Undo", "Ctrl+Z", ID_EDIT_UNDO, &C::OnViewCommand, &C::CanViewCommand, nullptr, SHOWN},
    {"&Edit", "&Redo", "Ctrl+Y", ID_EDIT_REDO, &C::OnViewCommand, &C::CanViewCommand, nullptr, SHOWN},
    {"&Edit", "Cu&t", "Ctrl+X", ID_EDIT_CUT, &C::OnViewCommand, &C::CanViewCommand, nullptr, SEP | SHOWN},
    {"&Edit", "&Copy", "Ctrl+C", ID_EDIT_COPY, &C::OnViewCommand, &C::CanViewCommand, nullptr, SHOWN},
    {"&Edit", "&Paste", "Ctrl+V", ID_EDIT_PASTE, &C::OnViewCommand, &C::CanViewCommand, nullptr, SHOWN},
    {"&Edit", "&Delete", "Del", ID_EDIT_CLEAR, &C::OnViewCommand, &C::CanViewCommand, nullptr, SHOWN},
    {"&Edit", "Select A&ll", "Ctrl+A", ID_EDIT_SELECT_ALL, &C::OnViewCommand, &C::CanViewCommand, nullptr, SHOWN},
    {"&Edit", "&Find...", "Ctrl+F", ID_EDIT_FIND, &C::OnViewCommand, &C::CanViewCommand, nullptr, SEP},
    {"&Edit", "R&eplace...", "Ctrl+H", ID_EDIT_REPLACE, &C::OnViewCommand, &C::CanViewCommand, nullptr, 0},
    {"&Edit", "&Goto...", "Ctrl+G", ID_VIEW_GOTO, &C::OnViewCommand, &C::CanViewCommand, nullptr, 0},
    {"&Edit", "Book&Mark", "Ctrl+F2", ID_VIEW_BOOKMARK, &C::OnViewCommand, &C::CanViewCommand, nullptr, SEP},
    {"&Edit", "Next BookMark", "Shift+F2", ID_VIEW_NEXT_BOOKMARK, &C::OnViewCommand, &C::CanViewCommand, nullptr, 0},

    {"&View", "&Toolbar", nullptr, ID_VIEW_TOOLBAR, &C::OnToggleBar, nullptr, &C::IsBarShown, 0},
    {"&View", "&Status Bar", nullptr, ID_VIEW_STATUS_BAR, &C::OnToggleBar, nullptr, &C::IsBarShown, 0},
    {"&View", "&Debug Bar", nullptr, ID_VIEW_DEBUG_BAR, &C::OnToggleBar, nullptr, &C::IsBarShown, 0},
    {"&View", "&Browser Bar", nullptr, ID_VIEW_BROWSER_BAR, &C::OnToggleBar, nullptr, &C::IsBarShown, 0},
    {"&View", "&Output", nullptr, ID_VIEW_OUTPUT, &C::OnToggleOutput, nullptr, &C::IsOutputShown, SEP},
    {"&View", "D&ebug", nullptr, ID_VIEW_DEBUG, &C::OnToggleDebug, nullptr, &C::IsDebugShown, 0},
    // Shown as "Float Project" while docked and "Dock Project" while floating.
    {"&View", "&Project", "Alt+5", ID_VIEW_PROJECT, &C::OnToggleProject, nullptr, nullptr, 0},
    {"&View", "&Input Window...", nullptr, 32869, &C::OnInputWindow, nullptr, nullptr, SEP},

    {"&Project", "&New...", nullptr, 32801, &C::OnProjectNew, &C::CanProjectNewOrOpen, nullptr, 0},
    {"&Project", "&Open...", nullptr, 32784, &C::OnProjectOpen, &C::CanProjectNewOrOpen, nullptr, 0},
    {"&Project", "&Close", nullptr, 32785, &C::OnProjectClose, &C::CanProjectClose, nullptr, 0},
    {"&Project", "&Save", nullptr, 32877, &C::OnProjectSave, &C::CanProjectSave, nullptr, 0},
    {"&Project", "&Parse All", nullptr, 32967, &C::OnProjectParseAll, &C::IsProjectOpen, nullptr, SEP},
    {"&Project", "Add &File...", nullptr, 32802, &C::OnProjectAddFile, &C::IsProjectOpen, nullptr, SEP},
    {"&Project", "Add Default &HTML", nullptr, 32882, &C::OnToolCommand, &C::CanToolCommand, nullptr, 0},
    {"&Project", "Add &Manifest File...", nullptr, 33025, &C::OnToolCommand, &C::CanToolCommand, nullptr, 0},
    {"&Project", "Add &Dialog", nullptr, 33000, &C::OnAddResource, &C::IsProjectOpen, nullptr, 0},
    {"&Project", "Add F&rame", nullptr, 33001, &C::OnAddResource, &C::IsProjectOpen, nullptr, 0},
    {"&Project", "Co&mpiler Options...", nullptr, 32834, &C::OnToolOptions, &C::CanToolOptions, nullptr, SEP},
    {"&Project", "&Toggle Compiler", "Ctrl+J", 32974, &C::OnToolCommand, &C::CanToolCommand, nullptr, 0},
    {"&Project", "&Interpreter Options...", nullptr, 32838, &C::OnToolOptions, &C::CanToolOptions, nullptr, 0},
    {"&Project", "&Javadoc Options...", nullptr, 32939, &C::OnToolOptions, &C::CanToolOptions, nullptr, 0},
    {"&Project", "&Breakpoint List...", nullptr, 32857, &C::OnBreakpointList, &C::IsProjectOpen, nullptr, SEP},

    {"&Build", "&Compile...", "F7", ID_VIEW_COMPILE, &C::OnToolCommand, &C::CanToolCommand, nullptr, 0},
    {"&Build", "Compile(*.&java)", "Ctrl+F7", 32955, &C::OnToolCommand, &C::CanToolCommand, nullptr, 0},
    {"&Build", "&Rebuild All", nullptr, 32809, &C::OnToolCommand, &C::CanToolCommand, nullptr, 0},
    {"&Build", "Make &Bean...", nullptr, 33026, &C::OnMakeBean, &C::CanToolCommand, nullptr, SEP},
    {"&Build", "RM&I Compile...", nullptr, 33028, &C::OnRmiCompile, nullptr, nullptr, 0},
    {"&Build", "Java&Doc", nullptr, ID_VIEW_JAVADOC, &C::OnToolCommand, &C::CanToolCommand, nullptr, SEP},
    {"&Build", "JavaDoc &All", nullptr, 32969, &C::OnToolCommand, &C::CanToolCommand, nullptr, 0},
    {"&Build", "JavaDoc &Folder", nullptr, 33015, &C::OnToolCommand, &C::CanToolCommand, nullptr, 0},
    {"&Build", "Make &Jar...", nullptr, 33027, &C::OnMakeJar, nullptr, nullptr, SEP},
    {"&Build", "&Stop Build", "Ctrl+Break", 32800, &C::OnToolCommand, &C::CanToolCommand, nullptr, SEP},
    {"&Build", "S&top Run", nullptr, 32842, &C::OnToolCommand, &C::CanToolCommand, nullptr, 0},
    {"&Build", "R&un", "F4", 32873, &C::OnToolCommand, &C::CanToolCommand, nullptr, 0},
    {"&Build", "Stop D&ebug", nullptr, 32841, &C::OnStopDebug, &C::IsDebuggerRunning, nullptr, SEP},
    {"&Build/De&bug", "&Run", "F5", 32843, &C::OnDebugRun, &C::CanDebugRun, nullptr, 0},
    // F5 belongs to Run, which continues while a debugger runs; the Cont item shows it too.
    {"&Build/De&bug", "&Cont", "F5", 32851, &C::OnDebugCommand, &C::CanDebugAtBreak, nullptr, SHOWN},
    {"&Build/De&bug", "&Step", "F8", 32850, &C::OnDebugCommand, &C::CanDebugAtBreak, nullptr, 0},
    {"&Build/De&bug", "Step &Over", "F12", 32889, &C::OnDebugCommand, &C::CanDebugAtBreak, nullptr, 0},
    {"&Build/De&bug", "Stepover &Packages", nullptr, 33020, &C::OnDebugCommand, &C::CanDebugAtBreak, nullptr, 0},
    {"&Build/De&bug", "E&xit", "F10", 32846, &C::OnDebugCommand, &C::CanDebugExit, nullptr, 0},
    {"&Build/De&bug", "&Locals", nullptr, 32849, &C::OnDebugCommand, &C::CanDebugAtBreak, nullptr, SEP},
    {"&Build/De&bug", "&Memory", nullptr, 32852, &C::OnDebugCommand, &C::CanDebugAtBreak, nullptr, 0},
    {"&Build/De&bug", "&Threads", nullptr, 32853, &C::OnDebugCommand, &C::CanDebugAtBreak, nullptr, 0},
    {"&Build/De&bug", "&Where All", nullptr, 32902, &C::OnDebugCommand, &C::CanDebugAtBreak, nullptr, 0},
    {"&Build", "JDB De&bug", nullptr, 32847, &C::OnJdbDebug, &C::CanJdbDebug, nullptr, 0},
    {"&Build", "Brea&kPoint Set/UnSet", "F9", ID_VIEW_BREAKPOINT, &C::OnViewCommand, &C::CanViewCommand, nullptr, 0},

    {"P&ackages", "&Add/Update...", nullptr, 32894, &C::OnPackageCommand, nullptr, nullptr, 0},
    {"P&ackages", "Add Class...", nullptr, 32895, &C::OnPackageCommand, nullptr, nullptr, 0},
    {"P&ackages", "&Delete", nullptr, 32899, &C::OnPackageCommand, nullptr, nullptr, 0},
    {"P&ackages", "Find &Class...", nullptr, 32896, &C::OnPackageCommand, nullptr, nullptr, SEP},
    {"P&ackages", "Find &Interface...", nullptr, 32897, &C::OnPackageCommand, nullptr, nullptr, 0},

    {"B&eans", "Add &Folder...", nullptr, 32957, &C::OnBeanCommand, nullptr, nullptr, 0},
    {"B&eans", "Add &Bean...", nullptr, 32954, &C::OnBeanCommand, nullptr, nullptr, 0},
    {"B&eans", "&Delete", nullptr, 32956, &C::OnBeanCommand, nullptr, nullptr, 0},

    {"&Info", "Add &Folder", nullptr, 32909, &C::OnHelpTreeCommand, nullptr, nullptr, 0},
    {"&Info", "Add F&ile(s)...", nullptr, 32781, &C::OnHelpTreeCommand, nullptr, nullptr, 0},
    {"&Info", "&Delete", nullptr, 32772, &C::OnHelpTreeCommand, nullptr, nullptr, 0},

    {"&Customize", "&Directories...", nullptr, 32835, &C::OnDirectories, nullptr, nullptr, 0},
    {"&Customize", "&Font...", nullptr, 32820, &C::OnFont, nullptr, nullptr, 0},
    {"&Customize", "&Editor...", nullptr, 32844, &C::OnEditorOptions, nullptr, nullptr, 0},
    {"&Customize", "&Browser...", nullptr, 32949, &C::OnBrowserOptions, nullptr, nullptr, 0},
    {"&Customize", "&User Index...", nullptr, 33021, &C::OnUserIndex, nullptr, nullptr, 0},
    {"&Customize", "C&ommands...", nullptr, 33029, &C::OnCommandsDialog, nullptr, nullptr, 0},
    {"&Customize", "&Color...", nullptr, 32870, &C::OnColorOptions, nullptr, nullptr, SEP},

    {"&Window", "&Cascade", nullptr, ID_WINDOW_CASCADE, &C::OnWindowCascade, nullptr, nullptr, 0},
    {"&Window", "&Tile", nullptr, ID_WINDOW_TILE, &C::OnWindowTile, nullptr, nullptr, 0},
    {"&Window", "&Arrange Icons", nullptr, ID_WINDOW_ARRANGE, &C::OnWindowArrangeIcons, nullptr, nullptr, 0},
    {"&Window", "&Help Window", "Alt+1", ID_WINDOW_HELP, &C::OnHelpWindow, nullptr, nullptr, SEP},
    {"&Window", "&Output Windows", "Alt+2", ID_WINDOW_OUTPUT, &C::OnToggleOutput, nullptr, &C::IsOutputShown, 0},
    {"&Window", "&Debug Window", "Alt+3", ID_WINDOW_DEBUG, &C::OnToggleDebug, nullptr, &C::IsDebugShown, 0},
    {"&Window", "&Search Results", "Alt+4", ID_WINDOW_SEARCH, &C::OnWindowSearch, &C::HasSearchResults, nullptr, 0},
    // Alt+5 belongs to View Project; the Window menu shows it too.
    {"&Window", "&Project Tab", "Alt+5", ID_WINDOW_PROJECT_TAB, &C::OnWindowProjectTab, &C::CanProjectTab, nullptr,
     SHOWN},

    {"&Help", "&Search...", nullptr, 32913, &C::OnHelpSearch, nullptr, nullptr, 0},
    {"&Help", "&Keyboard Shortcuts...", nullptr, 33030, &C::OnKeyboardShortcuts, nullptr, nullptr, 0},
    {"&Help", "&Next", nullptr, 32917, &C::OnHelpNext, &C::HasHelpWindow, nullptr, SEP},
    {"&Help", "&Previous", nullptr, 32918, &C::OnHelpPrevious, &C::HasHelpWindow, nullptr, 0},
    {"&Help", "&History...", nullptr, 32971, &C::OnHelpHistory, nullptr, nullptr, 0},
    {"&Help", "S&upport ...", nullptr, 32826, nullptr, nullptr, nullptr, SEP},
    {"&Help", "&Mosk Homepage...", nullptr, 32836, nullptr, nullptr, nullptr, 0},
    {"&Help", "&Tip of the Day...", nullptr, 111, &C::OnTipOfTheDay, nullptr, nullptr, 0},
    {"&Help", "&About Mosk ...", nullptr, ID_APP_ABOUT, &C::OnAbout, nullptr, nullptr, SEP},
};

using P = CToolButton;
const CToolButton s_toolBar[] = {
    {ID_FILE_NEW, "New", P::PIC_NEW},
    {ID_FILE_OPEN, "Open", P::PIC_OPEN},
    {ID_FILE_SAVE, "Save", P::PIC_SAVE},
    {ID_FILE_SAVE_ALL, "Save All", P::PIC_SAVE_ALL},
    {0, nullptr, P::PIC_SEPARATOR},
    {ID_EDIT_CUT, "Cut", P::PIC_CUT},
    {ID_EDIT_COPY, "Copy", P::PIC_COPY},
    {ID_EDIT_PASTE, "Paste", P::PIC_PASTE},
    {ID_EDIT_UNDO, "Undo", P::PIC_UNDO},
    {ID_EDIT_REDO, "Redo", P::PIC_REDO},
    {ID_FILE_PRINT, "Print", P::PIC_PRINT},
    {ID_EDIT_FIND, "Find", P::PIC_FIND},
    {0, nullptr, P::PIC_SEPARATOR},
    {ID_VIEW_COMPILE, "Compile", P::PIC_COMPILE},
    {32809, "Rebuild All", P::PIC_BUILD},
    {32800, "Stop Build", P::PIC_STOP_BUILD},
    {32873, "Run", P::PIC_RUN},
    {32842, "Stop Run", P::PIC_STOP_RUN},
    {0, nullptr, P::PIC_SEPARATOR},
    {ID_VIEW_OUTPUT, "Output", P::PIC_OUTPUT},
    {ID_VIEW_PROJECT, "Project", P::PIC_PROJECT},
};
const CToolButton s_debugBar[] = {
    {32843, "Debug Run", P::PIC_RUN},
    {32851, "Continue", P::PIC_CONTINUE},
    {32850, "Step", P::PIC_STEP},
    {32889, "Step Over", P::PIC_STEP_OVER},
    {33020, "Stepover Packages", P::PIC_STEP_OVER},
    {32846, "Exit Debugger", P::PIC_EXIT_DEBUG},
    {0, nullptr, P::PIC_SEPARATOR},
    {32849, "Locals", P::PIC_LOCALS},
    {32853, "Threads", P::PIC_THREADS},
    {32902, "Where All", P::PIC_WHERE},
};
const CToolButton s_browserBar[] = {
    {32896, "Find Class", P::PIC_CLASS},
    {32897, "Find Interface", P::PIC_INTERFACE},
    {32913, "Help Search", P::PIC_SEARCH},
    {0, nullptr, P::PIC_SEPARATOR},
    {32918, "Previous", P::PIC_BACK},
    {32917, "Next", P::PIC_FORWARD},
    {32971, "History", P::PIC_HISTORY},
};

}  // namespace

const CMenuCommand* CMenuCommandTable::GetCommands(int& nCount)
{
    nCount = static_cast<int>(sizeof s_commands / sizeof s_commands[0]);
    return s_commands;
}

const CMenuCommand* CMenuCommandTable::Find(UINT nId)
{
    for (const CMenuCommand& command : s_commands)
        if (command.m_nId == nId)
            return &command;
    return nullptr;
}

const CToolButton* CMenuCommandTable::GetToolButtons(int nBar, int& nCount)
{
    switch (nBar) {
    case CMainFrameLayout::BAR_TOOL:
        nCount = static_cast<int>(sizeof s_toolBar / sizeof s_toolBar[0]);
        return s_toolBar;
    case CMainFrameLayout::BAR_DEBUG:
        nCount = static_cast<int>(sizeof s_debugBar / sizeof s_debugBar[0]);
        return s_debugBar;
    case CMainFrameLayout::BAR_BROWSER:
        nCount = static_cast<int>(sizeof s_browserBar / sizeof s_browserBar[0]);
        return s_browserBar;
    default:
        assert(!"no such bar");
        nCount = 0;
        return nullptr;
    }
}

const char* CMenuCommandTable::GetBarTitle(int nBar)
{
    static const char* const s_titles[CMainFrameLayout::BAR_COUNT] = {"Toolbar", "Debug Bar", "Browser Bar"};
    assert(nBar >= 0 && nBar < CMainFrameLayout::BAR_COUNT);
    return s_titles[nBar];
}

CString CMenuCommandTable::StripMnemonic(const char* pszText)
{
    CString strOut;
    for (const char* p = pszText; p && *p; ++p) {
        if (*p == '&') {
            if (p[1] != '&')
                continue;
            ++p;
        }
        strOut += *p;
    }
    return strOut;
}

CString CMenuCommandTable::Dump()
{
    CString strOut, strLine;
    for (const CMenuCommand& command : s_commands) {
        strLine.Format("%s|%s|%s|%u|%s\n", command.m_pszMenu, command.m_pszText,
                       command.m_pszAccel ? command.m_pszAccel : "", command.m_nId,
                       command.m_pfnHandler ? "yes" : "no");
        strOut += strLine;
    }
    return strOut;
}
