// What a screen reader reads of the editor widget: the text with UTF-8
// letters as single characters and CR LF as "\n", the caret and selection
// after real key events, the characters' places on the screen, and the role
// and edits of a read-only control. (The offscreen platform has no
// accessibility bridge, so the change events are seen only by the
// end-to-end run.)
#include "RichEditAccessible.h"

#include "RichEditCtrl.h"
#include "RichEditWidget.h"
#include "ScriptedUserInterface.h"
#include "TinctoView.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RichEditAccessibleTest : public ::testing::Test {
protected:
    void Load(const std::string& strText)
    {
        m_view.SetEditCtrl(&m_ctrl);
        m_view.SetPathName("Reader.java");
        ASSERT_TRUE(m_view.LoadText(strText.data(), static_cast<long>(strText.size())));
        m_widget.SetEditCtrl(&m_ctrl);
        m_widget.SetMessageTarget(&m_view);
        m_widget.resize(500, 300);
        m_widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_widget));
        m_widget.setFocus();
        QAccessibleInterface* pIface = QAccessible::queryAccessibleInterface(&m_widget);
        ASSERT_NE(pIface, nullptr);
        m_pIface = pIface;
        m_pText = pIface->textInterface();
        ASSERT_NE(m_pText, nullptr);
    }
    std::string All() const { return m_pText->text(0, m_pText->characterCount()).toStdString(); }

    CScriptedUserInterface m_ui;
    CRichEditCtrl m_ctrl;
    CTinctoView m_view;
    CRichEditWidget m_widget;
    QAccessibleInterface* m_pIface = nullptr;
    QAccessibleTextInterface* m_pText = nullptr;
};

TEST_F(RichEditAccessibleTest, ReadsTextCaretAndSelectionAfterKeys)
{
    // "// äö" is 5 characters in 7 bytes.
    Load("int a;\r\n// \xC3\xA4\xC3\xB6\r\nend");
    EXPECT_EQ(m_pIface->role(), QAccessible::EditableText);
    EXPECT_EQ(All(), "int a;\n// \xC3\xA4\xC3\xB6\nend");
    EXPECT_EQ(m_pText->characterCount(), 16);
    EXPECT_EQ(m_pText->cursorPosition(), 0);

    // Down, End: the caret after "ö", byte 15, character 12.
    QTest::keyClick(&m_widget, Qt::Key_Down);
    QTest::keyClick(&m_widget, Qt::Key_End);
    EXPECT_EQ(m_ctrl.GetCaret(), 15);
    EXPECT_EQ(m_pText->cursorPosition(), 12);

    // Shift+Left twice selects "äö".
    QTest::keyClick(&m_widget, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&m_widget, Qt::Key_Left, Qt::ShiftModifier);
    ASSERT_EQ(m_pText->selectionCount(), 1);
    int nStart = -1, nEnd = -1;
    m_pText->selection(0, &nStart, &nEnd);
    EXPECT_EQ(nStart, 10);
    EXPECT_EQ(nEnd, 12);
    EXPECT_EQ(m_pText->text(nStart, nEnd).toStdString(), "\xC3\xA4\xC3\xB6");
    EXPECT_EQ(m_pText->cursorPosition(), 10);

    // Typing "ü" replaces them; Enter adds one "\n".
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\xC3\xBC"));
    QApplication::sendEvent(&m_widget, &press);
    QTest::keyClick(&m_widget, Qt::Key_Return);
    EXPECT_EQ(All(), "int a;\n// \xC3\xBC\n\nend");
    EXPECT_EQ(m_pText->cursorPosition(), 12);
}

TEST_F(RichEditAccessibleTest, BoundariesAndSettersUseCharacters)
{
    Load("x = \xC3\xA4\xC3\xA4;\r\nnext line");
    int nStart = -1, nEnd = -1;
    EXPECT_EQ(m_pText->textAtOffset(5, QAccessible::WordBoundary, &nStart, &nEnd).toStdString(), "\xC3\xA4\xC3\xA4");
    EXPECT_EQ(nStart, 4);
    EXPECT_EQ(nEnd, 6);
    EXPECT_EQ(m_pText->textAtOffset(2, QAccessible::LineBoundary, &nStart, &nEnd).toStdString(),
              "x = \xC3\xA4\xC3\xA4;\n");
    EXPECT_EQ(m_pText->textAfterOffset(2, QAccessible::LineBoundary, &nStart, &nEnd).toStdString(), "next line");
    EXPECT_EQ(nStart, 8);
    EXPECT_EQ(m_pText->textBeforeOffset(9, QAccessible::LineBoundary, &nStart, &nEnd).toStdString(),
              "x = \xC3\xA4\xC3\xA4;\n");
    EXPECT_EQ(m_pText->textBeforeOffset(4, QAccessible::WordBoundary, &nStart, &nEnd).toStdString(), " ");
    EXPECT_EQ(m_pText->textAfterOffset(4, QAccessible::CharBoundary, &nStart, &nEnd).toStdString(), "\xC3\xA4");
    EXPECT_EQ(nStart, 5);
    EXPECT_TRUE(m_pText->textBeforeOffset(0, QAccessible::WordBoundary, &nStart, &nEnd).isEmpty());

    // Character offsets become the control's byte positions.
    m_pText->setCursorPosition(6);
    EXPECT_EQ(m_ctrl.GetCaret(), 8);
    m_pText->setSelection(0, 4, 9);
    LONG nSelStart, nSelEnd;
    m_ctrl.GetSel(nSelStart, nSelEnd);
    EXPECT_EQ(nSelStart, 4);
    EXPECT_EQ(nSelEnd, 12);
    m_pText->removeSelection(0);
    EXPECT_EQ(m_pText->selectionCount(), 0);

    // The keyword's attributes carry its colour.
    Load("class A {}");
    QString strAttributes = m_pText->attributes(1, &nStart, &nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 5);
    EXPECT_TRUE(strAttributes.contains(QStringLiteral("color:rgb("))) << strAttributes.toStdString();
}

TEST_F(RichEditAccessibleTest, CharactersHaveTheirPlaceOnScreen)
{
    Load("ab\r\n\xC3\xA4x");
    // "ä" is character 3.
    QRect cell = m_pText->characterRect(3);
    ASSERT_FALSE(cell.isEmpty());
    QRect widgetRect(m_widget.mapToGlobal(QPoint(0, 0)), m_widget.size());
    EXPECT_TRUE(widgetRect.contains(cell)) << "cell outside the widget";
    EXPECT_GT(cell.top(), m_pText->characterRect(0).top());
    EXPECT_EQ(m_pText->offsetAtPoint(cell.center()), 3);
    EXPECT_EQ(m_pText->offsetAtPoint(m_pText->characterRect(4).center()), 4);
    EXPECT_EQ(m_pText->offsetAtPoint(widgetRect.bottomRight() + QPoint(50, 50)), -1);
}

TEST_F(RichEditAccessibleTest, ReadOnlyTextIsStaticAndRefusesEdits)
{
    Load("compiler says: 1 error");
    auto* pEditable = m_pIface->editableTextInterface();
    ASSERT_NE(pEditable, nullptr);
    pEditable->insertText(0, QStringLiteral(">> "));
    pEditable->deleteText(0, 1);
    EXPECT_EQ(All(), "> compiler says: 1 error");

    m_ctrl.SetReadOnly(TRUE);
    EXPECT_EQ(m_pIface->role(), QAccessible::StaticText);
    EXPECT_TRUE(m_pIface->state().readOnly);
    EXPECT_EQ(m_pIface->editableTextInterface(), nullptr);
    EXPECT_EQ(All(), "> compiler says: 1 error");

    m_widget.setAccessibleName(QStringLiteral("Output"));
    EXPECT_EQ(m_pIface->text(QAccessible::Name), QStringLiteral("Output"));
}

}  // namespace
