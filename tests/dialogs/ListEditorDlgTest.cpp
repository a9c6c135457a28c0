// The list editor: add, browse, edit, remove and move entries; empty
// entries are not part of the result.
#include "ListEditorDlg.h"
#include "ScriptedUserInterface.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Types into the editor the list opened on its current entry and presses Enter.
void TypeIntoEditor(QListWidget* pList, const char* pszText)
{
    QLineEdit* pEditor = pList->findChild<QLineEdit*>();
    ASSERT_NE(pEditor, nullptr);
    QTest::keyClicks(pEditor, QString::fromUtf8(pszText));
    QTest::keyClick(pEditor, Qt::Key_Return);
    // The view takes the text from its editor on the next turn of the event loop.
    QCoreApplication::processEvents();
}

} // namespace

TEST(ListEditorDlg, EditsTheList)
{
    CScriptedUserInterface ui;
    CListEditorDlg dlg(QStringLiteral("Edit Java Bin Path"), {"/a", "/b", "/c"});
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Edit Java Bin Path"));
    QListWidget* pList = dlg.GetList();
    EXPECT_EQ(pList->currentRow(), 0);

    struct {
        const char* pszName;
        std::function<void()> fnAct;
        QStringList expected;
        int nCurrent;
    } steps[] = {
        {"move the first down", [&] { dlg.OnMove(1); }, {"/b", "/a", "/c"}, 1},
        {"move down again", [&] { dlg.OnMove(1); }, {"/b", "/c", "/a"}, 2},
        {"move past the end does nothing", [&] { dlg.OnMove(1); }, {"/b", "/c", "/a"}, 2},
        {"remove the last", [&] { dlg.OnRemove(); }, {"/b", "/c"}, 1},
        {"move up", [&] { dlg.OnMove(-1); }, {"/c", "/b"}, 0},
        {"move before the start does nothing", [&] { dlg.OnMove(-1); }, {"/c", "/b"}, 0},
        {"an added entry counts once it has text", [&] { dlg.OnAdd(); }, {"/c", "/b"}, 2},
        {"typed text", [&] { TypeIntoEditor(pList, " /typed "); }, {"/c", "/b", "/typed"}, 2},
        {"browse adds the chosen folder",
         [&] {
             ui.AnswerFolder("/chosen");
             dlg.OnBrowse();
         },
         {"/c", "/b", "/typed", "/chosen"},
         3},
        {"cancelled browse adds nothing", [&] { dlg.OnBrowse(); }, {"/c", "/b", "/typed", "/chosen"}, 3},
        {"remove everything",
         [&] {
             while (pList->count() > 0)
                 dlg.OnRemove();
         },
         {},
         -1},
        {"remove on an empty list does nothing", [&] { dlg.OnRemove(); }, {}, -1},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.pszName);
        step.fnAct();
        EXPECT_EQ(dlg.GetEntries(), step.expected);
        EXPECT_EQ(pList->currentRow(), step.nCurrent);
    }
    // The folder dialogs carry the editor's title and start at the current entry.
    ASSERT_EQ(ui.m_folderDialogs.size(), 2u);
    EXPECT_EQ(ui.m_folderDialogs[0].strTitle, "Edit Java Bin Path");
    EXPECT_EQ(ui.m_folderDialogs[0].strStart, " /typed ");
}

TEST(ListEditorDlg, ButtonsFollowTheCurrentEntry)
{
    CListEditorDlg dlg(QStringLiteral("Edit Java Doc Path"), {"/a", "/b"});
    auto button = [&dlg](const char* pszName) { return dlg.findChild<QPushButton*>(QString::fromLatin1(pszName)); };
    struct {
        int nRow;
        bool bEdit, bUp, bDown;
    } cases[] = {{0, true, false, true}, {1, true, true, false}, {-1, false, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nRow);
        dlg.GetList()->setCurrentRow(c.nRow);
        EXPECT_EQ(button("edit")->isEnabled(), c.bEdit);
        EXPECT_EQ(button("remove")->isEnabled(), c.bEdit);
        EXPECT_EQ(button("up")->isEnabled(), c.bUp);
        EXPECT_EQ(button("down")->isEnabled(), c.bDown);
    }
}
