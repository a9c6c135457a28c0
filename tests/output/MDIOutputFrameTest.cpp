// The MDI output window: chunks from a process reader, and the question
// before closing it over a running process.
#include "MDIOutputFrame.h"
#include "RunMessages.h"
#include "RunningProcess.h"
#include "ScriptedUserInterface.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

const char kCloseQuestion[] =
    "Closing this Window will terminate this process. Please select Yes to terminate the process or select No";

// A process whose state the test sets; counts the requests to end it.
class CFakeProcess : public IRunningProcess {
public:
    explicit CFakeProcess(BOOL bRunning, int* pTerminations) : m_bRunning(bRunning), m_pTerminations(pTerminations) {}
    BOOL IsRunning() const override { return m_bRunning; }
    void Terminate() override
    {
        ++*m_pTerminations;
        m_bRunning = FALSE;
    }

private:
    BOOL m_bRunning;
    int* m_pTerminations;
};

LRESULT SendChunk(CMDIOutputFrame& frame, const std::string& strBytes)
{
    std::string strBuffer = strBytes + '\0';
    COutputChunk chunk;
    chunk.m_nCount = static_cast<DWORD>(strBytes.size());
    chunk.m_pBytes = strBuffer.data();
    return frame.OnWindowMessage(WM_OUTPUT_CHUNK, 0, reinterpret_cast<LPARAM>(&chunk));
}

TEST(MDIOutputFrame, AppendsWholeChunksInOrder)
{
    CMDIOutputFrame frame;
    frame.SetTitle("ls -l");
    std::string strFull(OUTPUT_PEEK_SIZE - 1, 'x');
    strFull += 'Z';   // the last byte of a full chunk
    EXPECT_EQ(SendChunk(frame, "ls -l\n"), 0);
    SendChunk(frame, strFull);
    SendChunk(frame, "\nProcess Exit...");
    EXPECT_EQ(frame.GetView().GetText(), CString("ls -l\r\n" + strFull + "\r\nProcess Exit..."));
}

TEST(MDIOutputFrame, IgnoresEmptyAndForeignMessages)
{
    CMDIOutputFrame frame;
    SendChunk(frame, "a\n");
    EXPECT_EQ(frame.OnWindowMessage(WM_OUTPUT_CHUNK, 0, 0), 0);
    COutputChunk empty;
    frame.OnWindowMessage(WM_OUTPUT_CHUNK, 0, reinterpret_cast<LPARAM>(&empty));
    COutputChunk chunk;
    chunk.m_nCount = 1;
    chunk.m_pBytes = "b";
    frame.OnWindowMessage(WM_COMPILE_DONE, 0, reinterpret_cast<LPARAM>(&chunk));
    EXPECT_EQ(frame.Dump(), CString("title: \nprocess: none\ntext: a\\r\\n\nsel: 3-3 caret 3\nbase: "));
}

struct CloseCase {
    const char* pszName;
    int nProcess;         // 0 none, 1 ended, 2 running
    int nAnswer;          // answer to the question, when asked
    BOOL bCloses;
    bool bAsked;
    int nTerminations;
};

const CloseCase kCloseCases[] = {
    {"no process closes at once", 0, IDNO, TRUE, false, 0},
    {"ended process closes without a question", 1, IDNO, TRUE, false, 0},
    {"running process and no keeps the window", 2, IDNO, FALSE, true, 0},
    {"running process and yes terminates it", 2, IDYES, TRUE, true, 1},
};

class MDIOutputFrameClose : public testing::TestWithParam<CloseCase> {};

TEST_P(MDIOutputFrameClose, AsksOnlyWhileTheProcessRuns)
{
    const CloseCase& c = GetParam();
    CScriptedUserInterface ui;
    ui.Answer(c.nAnswer);
    int nTerminations = 0;
    CMDIOutputFrame frame;
    if (c.nProcess > 0)
        frame.SetProcess(std::make_unique<CFakeProcess>(c.nProcess == 2, &nTerminations));
    EXPECT_EQ(frame.CanClose(), c.bCloses);
    EXPECT_EQ(nTerminations, c.nTerminations);
    ASSERT_EQ(ui.m_shown.size(), c.bAsked ? 1u : 0u);
    if (c.bAsked) {
        EXPECT_EQ(ui.m_shown[0].strText, CString(kCloseQuestion));
        EXPECT_EQ(ui.m_shown[0].nType, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    }
}

INSTANTIATE_TEST_SUITE_P(Process, MDIOutputFrameClose, testing::ValuesIn(kCloseCases), CaseName());

TEST(MDIOutputFrame, AskingAgainAfterNoStillAsks)
{
    CScriptedUserInterface ui;
    ui.Answer(IDNO);
    ui.Answer(IDYES);
    int nTerminations = 0;
    CMDIOutputFrame frame;
    frame.SetProcess(std::make_unique<CFakeProcess>(TRUE, &nTerminations));
    EXPECT_FALSE(frame.CanClose());
    EXPECT_EQ(frame.Dump().Left(31), CString("title: \nprocess: running\ntext: "));
    EXPECT_TRUE(frame.CanClose());
    EXPECT_EQ(ui.m_shown.size(), 2u);
    EXPECT_EQ(nTerminations, 1);
    EXPECT_TRUE(frame.CanClose());   // ended now: no third question
    EXPECT_EQ(ui.m_shown.size(), 2u);
}

} // namespace
