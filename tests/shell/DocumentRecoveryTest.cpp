// The unsaved text of the main window's documents: kept in the data folder,
// offered again after a crash, gone after a clean close.
#include "FrameFixture.h"

#include "AppFolders.h"
#include "ChildFrame.h"
#include "DocumentRecovery.h"
#include "DocumentWindows.h"
#include "JavaIDEDoc.h"
#include "MainFrame.h"
#include "RecoveryFiles.h"
#include "RecoveryStore.h"
#include "RichEditWidget.h"

#include <QTest>

namespace {

int CountFiles(const CString& strFolder)
{
    if (!std::filesystem::exists(strFolder.c_str()))
        return 0;
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(strFolder.c_str()))
        n += entry.is_regular_file() ? 1 : 0;
    return n;
}

}  // namespace

TEST_F(FrameTest, UnsavedTextIsOfferedAgainAfterAKill)
{
    ASSERT_TRUE(Start());
    CDocumentRecovery& recovery = Frame().GetRecovery();
    const CString strFolder = recovery.GetStore().GetFolder();
    EXPECT_EQ(strFolder, CAppFolders::GetDataFolder() + "/recovery");
    CString strEdit = WriteSource("Edit.java", "class Edit {}\n");
    CString strKept = WriteSource("Kept.java", "class Kept {}\n");
    CString strGone = WriteSource("Gone.java", "class Gone {}\n");
    for (const CString& strPath : {strEdit, strKept, strGone}) {
        ASSERT_TRUE(Frame().OpenFile(QString::fromUtf8(strPath.c_str())));
        if (strPath != strKept)
            QTest::keyClicks(Frame().GetActiveSourceFrame()->GetEditor(), "// ");
    }
    CDocumentWindow* pUntitled = Frame().GetDocumentWindows().CreateUntitled();
    ASSERT_NE(pUntitled, nullptr);
    QTest::keyClicks(Frame().GetActiveSourceFrame()->GetEditor(), "new text");
    // Only the modified documents are kept.
    EXPECT_EQ(recovery.SaveNow(), 3);
    EXPECT_EQ(CountFiles(strFolder), 3);

    // The program is killed: its files belong to a process that is gone,
    // and its windows with it.
    HandOverRecoveryFiles(strFolder, EndedProcess());
    Frame().GetDocumentWindows().DestroyAll();
    std::filesystem::remove(strGone.c_str());

    // Kept in the same second, they come untitled first, then by path:
    // restore the untitled one and Edit.java, discard Gone.java.
    m_ui.Answer(IDYES);
    m_ui.Answer(IDYES);
    m_ui.Answer(IDNO);
    m_ui.m_shown.clear();
    EXPECT_EQ(recovery.OfferRestore(), 2);
    ASSERT_EQ(m_ui.m_shown.size(), 3u);
    EXPECT_EQ(m_ui.m_shown[0].nType, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1);
    EXPECT_EQ(m_ui.m_shown[1].strText.Find("Mosk ended before the changes to " + strEdit + " were saved."), 0)
        << m_ui.m_shown[1].strText.c_str();
    EXPECT_NE(m_ui.m_shown[2].strText.Find(strGone), -1);
    CDocumentWindow* pEdit = Frame().GetDocumentWindows().Find(strEdit);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_TRUE(CDocumentWindows::IsModified(pEdit));
    EXPECT_EQ(ReadWholeFile(strEdit), "class Edit {}\n") << "restored, not yet saved";
    ASSERT_TRUE(CDocumentWindows::Save(pEdit));
    EXPECT_EQ(ReadWholeFile(strEdit), "// class Edit {}\n");
    EXPECT_EQ(Frame().GetDocumentWindows().GetCount(), 2);

    // The restored untitled text is kept again under this program; nothing
    // else is left to offer.
    EXPECT_TRUE(recovery.GetStore().FindOrphans().empty());
    EXPECT_EQ(recovery.SaveNow(), 1);
    EXPECT_EQ(CountFiles(strFolder), 1);

    // A clean close leaves nothing behind.
    m_ui.Answer(IDNO);
    EXPECT_TRUE(Close());
    EXPECT_EQ(CountFiles(strFolder), 0);
}
