// The editor widget as an input forwarder: the exact window messages keys,
// clicks, focus and drops become; typing through the widget edits the
// model as the same messages sent to a second control do; the caret's
// shape; the comment and keyword colours on screen; and repaints limited to
// the lines a change touched.
#include "RichEditWidget.h"

#include "KeyState.h"
#include "MessageTarget.h"
#include "RichEditCtrl.h"
#include "ScriptedUserInterface.h"
#include "TinctoView.h"

#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

// Records every message as text ("down Tab +shift", "char 9", "lbuttondown 4
// L|S") and passes it on to the control, so that the widget keeps working.
class CRecordingTarget : public IMessageTarget {
public:
    explicit CRecordingTarget(CRichEditCtrl& ctrl) : m_ctrl(ctrl) {}

    LRESULT SendMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) override
    {
        m_log.push_back(Describe(nMessage, wParam, lParam));
        return m_ctrl.SendMessage(nMessage, wParam, lParam);
    }
    void BeginDrag() override
    {
        m_log.push_back("begin drag");
        m_ctrl.BeginDrag();
    }
    void EndDrag() override
    {
        m_log.push_back("end drag");
        m_ctrl.EndDrag();
    }
    BOOL DropText(LONG nPos, const char* pszText, BOOL bCopy) override
    {
        std::string strText(pszText);
        for (size_t i; (i = strText.find("\r\n")) != std::string::npos;)
            strText.replace(i, 2, "|");
        m_log.push_back("drop " + std::to_string(nPos) + " \"" + strText + "\"" + (bCopy ? " copy" : " move"));
        return m_ctrl.DropText(nPos, pszText, bCopy);
    }

    std::vector<std::string> m_log;

private:
    static std::string KeyName(WPARAM wKey)
    {
        switch (wKey) {
        case VK_RETURN: return "Return";
        case VK_TAB: return "Tab";
        case VK_BACK: return "Back";
        case VK_ESCAPE: return "Escape";
        case VK_SHIFT: return "Shift";
        case VK_CONTROL: return "Ctrl";
        case VK_LEFT: return "Left";
        case VK_INSERT: return "Insert";
        case VK_DELETE: return "Delete";
        default:
            if ((wKey >= 'A' && wKey <= 'Z') || (wKey >= '0' && wKey <= '9'))
                return std::string(1, static_cast<char>(wKey));
            return std::to_string(wKey);
        }
    }
    static std::string Held()
    {
        std::string str;
        if (CKeyState::IsDown(VK_SHIFT))
            str += " +shift";
        if (CKeyState::IsDown(VK_CONTROL))
            str += " +ctrl";
        return str;
    }
    static std::string Describe(UINT nMessage, WPARAM wParam, LPARAM lParam)
    {
        std::string strFlags;
        for (auto [wFlag, pszName] : {std::pair{MK_LBUTTON, "L"}, {MK_SHIFT, "S"}, {MK_CONTROL, "C"}}) {
            if (wParam & wFlag)
                strFlags += (strFlags.empty() ? "" : "|") + std::string(pszName);
        }
        std::string strMouse = " " + std::to_string(lParam) + (strFlags.empty() ? "" : " " + strFlags);
        switch (nMessage) {
        case WM_KEYDOWN: return "down " + KeyName(wParam) + Held();
        case WM_KEYUP: return "up " + KeyName(wParam) + Held();
        case WM_CHAR: return "char " + std::to_string(wParam) + Held();
        case WM_COPY: return "copy";
        case WM_CUT: return "cut";
        case WM_PASTE: return "paste";
        case WM_SETFOCUS: return "setfocus";
        case WM_KILLFOCUS: return "killfocus";
        case WM_LBUTTONDOWN: return "lbuttondown" + strMouse;
        case WM_MOUSEMOVE: return "mousemove" + strMouse;
        case WM_LBUTTONUP: return "lbuttonup" + strMouse;
        case WM_LBUTTONDBLCLK: return "dblclk" + strMouse;
        default: return "message " + std::to_string(nMessage);
        }
    }

    CRichEditCtrl& m_ctrl;
};

class WidgetMessagesTest : public ::testing::Test {
protected:
    void TearDown() override { CKeyState::SetModifiers(FALSE, FALSE, FALSE); }

    void Show(const std::string& strText)
    {
        m_view.SetEditCtrl(&m_ctrl);
        m_view.SetPathName("Test.java");
        ASSERT_TRUE(m_view.LoadText(strText.data(), static_cast<long>(strText.size())));
        m_widget.SetEditCtrl(&m_ctrl);
        m_widget.resize(500, 300);
        m_widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_widget));
    }
    QPoint PointAt(int nRow, double dColumn) const
    {
        QPoint origin = m_widget.GetTextOrigin();
        return QPoint(origin.x() + static_cast<int>(std::lround(dColumn * m_widget.GetCellWidth())),
                      origin.y() + nRow * m_widget.GetLineHeight() + m_widget.GetLineHeight() / 2);
    }

    CScriptedUserInterface m_ui;
    CRichEditCtrl m_ctrl;
    CTinctoView m_view;
    CRichEditWidget m_widget;
};

using Log = std::vector<std::string>;

// Presses and releases a key that types text (UTF-8) the keyboard layout gives it.
void TypeKey(QWidget* pWidget, Qt::Key nKey, const char* pszText)
{
    QTest::sendKeyEvent(QTest::Click, pWidget, nKey, QString::fromUtf8(pszText), Qt::NoModifier);
}

TEST_F(WidgetMessagesTest, KeysBecomeTheirWindowMessages)
{
    struct Case {
        const char* pszName;
        std::function<void(QWidget*)> type;
        Log expected;
    } cases[] = {
        {"Enter", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Return); },
         {"down Return", "char 13", "up Return"}},
        {"Tab", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Tab); }, {"down Tab", "char 9", "up Tab"}},
        {"Shift+Tab", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Backtab, Qt::ShiftModifier); },
         {"down Shift +shift", "down Tab +shift", "char 9 +shift", "up Tab +shift", "up Shift"}},
        {"Backspace", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Backspace); },
         {"down Back", "char 8", "up Back"}},
        {"Escape", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Escape); }, {"down Escape", "char 27", "up Escape"}},
        {"Ctrl+Z, down and up", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Z, Qt::ControlModifier); },
         {"down Ctrl +ctrl", "down Z +ctrl", "up Z +ctrl", "up Ctrl"}},
        {"a letter", [](QWidget* p) { QTest::keyClick(p, Qt::Key_A); }, {"down A", "char 97", "up A"}},
        {"a capital", [](QWidget* p) { QTest::keyClick(p, 'A'); }, {"down A", "char 65", "up A"}},
        {"a digit", [](QWidget* p) { QTest::keyClicks(p, "7"); }, {"down 7", "char 55", "up 7"}},
        {"an e acute: its character alone", [](QWidget* p) { TypeKey(p, Qt::Key_Eacute, "\xC3\xA9"); },
         {"char 233"}},
        {"a key typing two code points", [](QWidget* p) { TypeKey(p, Qt::Key_unknown, "a\xF0\x9F\x98\x80"); },
         {"char 97", "char 128512"}},
        {"a key without a character", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Left); },
         {"down Left", "up Left"}},
        {"Delete types nothing", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Delete); },
         {"down Delete", "up Delete"}},
        {"Ctrl+letter: keys only", [](QWidget* p) { QTest::keyClick(p, Qt::Key_B, Qt::ControlModifier); },
         {"down Ctrl +ctrl", "down B +ctrl", "up B +ctrl", "up Ctrl"}},
        {"Ctrl+Enter: keys only", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Return, Qt::ControlModifier); },
         {"down Ctrl +ctrl", "down Return +ctrl", "up Return +ctrl", "up Ctrl"}},
        {"Ctrl+C", [](QWidget* p) { QTest::keyClick(p, Qt::Key_C, Qt::ControlModifier); },
         {"down Ctrl +ctrl", "copy", "up Ctrl"}},
        {"Ctrl+X", [](QWidget* p) { QTest::keyClick(p, Qt::Key_X, Qt::ControlModifier); },
         {"down Ctrl +ctrl", "cut", "up Ctrl"}},
        {"Ctrl+V", [](QWidget* p) { QTest::keyClick(p, Qt::Key_V, Qt::ControlModifier); },
         {"down Ctrl +ctrl", "paste", "up Ctrl"}},
        {"Shift+Delete", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Delete, Qt::ShiftModifier); },
         {"down Shift +shift", "cut", "up Shift"}},
        {"Ctrl+Insert", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Insert, Qt::ControlModifier); },
         {"down Ctrl +ctrl", "copy", "up Ctrl"}},
        {"Shift+Insert", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Insert, Qt::ShiftModifier); },
         {"down Shift +shift", "paste", "up Shift"}},
        {"Insert", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Insert); }, {"down Insert", "up Insert"}},
        {"an input method's text", [](QWidget* p) {
             QInputMethodEvent event;
             event.setCommitString(QString::fromUtf8("a\xE2\x82\xAC"));
             QApplication::sendEvent(p, &event);
         }, {"char 97", "char 8364"}},
    };
    Show("text\n");
    CRecordingTarget target(m_ctrl);
    m_widget.SetMessageTarget(&target);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        target.m_log.clear();
        c.type(&m_widget);
        EXPECT_EQ(target.m_log, c.expected);
    }
    m_widget.SetMessageTarget(nullptr);
}

TEST_F(WidgetMessagesTest, AutoRepeatSendsKeyDownsWithoutKeyUps)
{
    Show("x");
    CRecordingTarget target(m_ctrl);
    m_widget.SetMessageTarget(&target);
    for (int i = 0; i < 2; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), i > 0);
        QApplication::sendEvent(&m_widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&m_widget, &release);
    }
    QTest::keyRelease(&m_widget, Qt::Key_Left);
    EXPECT_EQ(target.m_log, Log({"down Left", "down Left", "up Left"}));
    m_widget.SetMessageTarget(nullptr);
}

TEST_F(WidgetMessagesTest, MouseAndFocusBecomeTheirWindowMessages)
{
    Show("int value;\nx");
    CRecordingTarget target(m_ctrl);
    m_widget.SetMessageTarget(&target);
    QWidget* pViewport = m_widget.viewport();
    struct Case {
        const char* pszName;
        std::function<void()> act;
        Log expected;
    } cases[] = {
        {"click", [&] { QTest::mouseClick(pViewport, Qt::LeftButton, {}, PointAt(0, 2.2)); },
         {"lbuttondown 2 L", "lbuttonup 2"}},
        {"shift-click", [&] { QTest::mouseClick(pViewport, Qt::LeftButton, Qt::ShiftModifier, PointAt(1, 0.8)); },
         {"lbuttondown 13 L|S", "lbuttonup 13 S"}},
        {"ctrl-click", [&] { QTest::mouseClick(pViewport, Qt::LeftButton, Qt::ControlModifier, PointAt(0, 0)); },
         {"lbuttondown 0 L|C", "lbuttonup 0 C"}},
        {"drag", [&] {
             QTest::mousePress(pViewport, Qt::LeftButton, {}, PointAt(0, 1));
             QTest::mouseMove(pViewport, PointAt(0, 3));
             QTest::mouseRelease(pViewport, Qt::LeftButton, {}, PointAt(0, 4));
         }, {"lbuttondown 1 L", "mousemove 3 L", "lbuttonup 4"}},
        {"a click inside the selection waits for the release", [&] {
             m_ctrl.SetSel(1, 4);
             target.m_log.clear();
             QTest::mousePress(pViewport, Qt::LeftButton, {}, PointAt(0, 2.3));
             target.m_log.push_back("pressed");
             QTest::mouseRelease(pViewport, Qt::LeftButton, {}, PointAt(0, 2.3));
         }, {"pressed", "lbuttondown 2 L", "lbuttonup 2"}},
        {"a press inside the selection that moves drags it", [&] {
             m_ctrl.SetSel(1, 4);
             target.m_log.clear();
             QTest::mousePress(pViewport, Qt::LeftButton, {}, PointAt(0, 2.3));
             QTest::mouseMove(pViewport, PointAt(0, 2.3) + QPoint(QApplication::startDragDistance() + 1, 0));
         }, {"begin drag", "end drag"}},
        {"right button: nothing", [&] { QTest::mouseClick(pViewport, Qt::RightButton, {}, PointAt(0, 2)); }, {}},
    };
    m_widget.setFocus();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        m_ctrl.SetSel(0, 0);
        target.m_log.clear();
        c.act();
        EXPECT_EQ(target.m_log, c.expected);
    }

    // A double click selects through its own message.
    m_ctrl.SetSel(0, 0);
    target.m_log.clear();
    QTest::mouseDClick(pViewport, Qt::LeftButton, {}, PointAt(0, 6));
    ASSERT_FALSE(target.m_log.empty());
    EXPECT_NE(std::find(target.m_log.begin(), target.m_log.end(), "dblclk 6 L"), target.m_log.end());
    EXPECT_EQ(m_ctrl.GetSelText(), "value");
    m_widget.SetMessageTarget(nullptr);
}

TEST_F(WidgetMessagesTest, FocusChangesAreSent)
{
    Show("x");
    QWidget other;
    other.setFocusPolicy(Qt::StrongFocus);
    CRecordingTarget target(m_ctrl);
    m_widget.SetMessageTarget(&target);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);
    QApplication::sendEvent(&m_widget, &focusIn);
    CKeyState::SetModifiers(TRUE, TRUE);
    QFocusEvent focusOut(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(&m_widget, &focusOut);
    EXPECT_EQ(target.m_log, Log({"setfocus", "killfocus"}));
    // Keys let go of in another window are not left held.
    EXPECT_FALSE(CKeyState::IsDown(VK_SHIFT));
    EXPECT_FALSE(CKeyState::IsDown(VK_CONTROL));
    m_widget.SetMessageTarget(nullptr);
}

TEST_F(WidgetMessagesTest, DroppedTextGoesToTheTarget)
{
    Show("abcd\nef");
    CRecordingTarget target(m_ctrl);
    m_widget.SetMessageTarget(&target);
    struct Case {
        const char* pszName;
        const char* pszText;
        Qt::KeyboardModifiers modifiers;
        QPoint pt;
        Log expected;
        const char* pszAfter;
    } cases[] = {
        {"moved in from elsewhere", "xy", {}, PointAt(0, 2), {"drop 2 \"xy\" move"}, "abxycd\r\nef"},
        {"copied with Ctrl, line ends made CR LF", "1\n2", Qt::ControlModifier, PointAt(1, 1),
         {"drop 9 \"1|2\" copy"}, "abxycd\r\ne1\r\n2f"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        target.m_log.clear();
        QMimeData mime;
        mime.setText(QString::fromUtf8(c.pszText));
        // The drop only arrives where a drag entered and was accepted.
        QDragEnterEvent enter(c.pt, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, c.modifiers);
        QApplication::sendEvent(m_widget.viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(c.pt), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, c.modifiers);
        QApplication::sendEvent(m_widget.viewport(), &drop);
        EXPECT_TRUE(drop.isAccepted());
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction);   // the other program keeps its text
        EXPECT_EQ(target.m_log, c.expected);
        EXPECT_EQ(m_ctrl.GetWindowText(), c.pszAfter);
    }

    // A read-only control takes no drop.
    m_ctrl.SetReadOnly(TRUE);
    target.m_log.clear();
    QMimeData mime;
    mime.setText(QStringLiteral("z"));
    QDragEnterEvent enter(PointAt(0, 0), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(m_widget.viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_TRUE(target.m_log.empty());
    m_widget.SetMessageTarget(nullptr);
}

// One step of typing: what QTest does to the widget, and the messages a
// keyboard would send for it.
struct Step {
    std::function<void(QWidget*)> type;
    std::vector<std::pair<UINT, WPARAM>> messages;
    bool bShift = false;
    bool bControl = false;
};

TEST_F(WidgetMessagesTest, TypingEditsTheModelAsTheSameMessagesDo)
{
    auto keys = [](const char* pszText) {
        return [pszText](QWidget* p) { QTest::keyClicks(p, QString::fromUtf8(pszText)); };
    };
    auto key = [](Qt::Key nKey, Qt::KeyboardModifiers modifiers = {}) {
        return [nKey, modifiers](QWidget* p) { QTest::keyClick(p, nKey, modifiers); };
    };
    struct Case {
        const char* pszName;
        const char* pszText;
        LONG nStart, nEnd;
        std::vector<Step> steps;
    } cases[] = {
        {"letters", "class A {}\n", 6, 6, {{keys("Bc"), {{WM_CHAR, 'B'}, {WM_CHAR, 'c'}}}}},
        {"UTF-8 code points", "x", 1, 1,
         {{[](QWidget* p) { TypeKey(p, Qt::Key_Eacute, "\xC3\xA9"); }, {{WM_CHAR, 0xE9}}},
          {[](QWidget* p) { TypeKey(p, Qt::Key_unknown, "\xE2\x82\xAC"); }, {{WM_CHAR, 0x20AC}}}}},
        {"Enter then Backspace", "ab\ncd", 1, 1,
         {{key(Qt::Key_Return), {{WM_KEYDOWN, VK_RETURN}, {WM_CHAR, '\r'}}},
          {key(Qt::Key_Backspace), {{WM_KEYDOWN, VK_BACK}, {WM_CHAR, 8}}},
          {key(Qt::Key_Backspace), {{WM_KEYDOWN, VK_BACK}, {WM_CHAR, 8}}}}},
        {"Shift+arrows then typing", "public int x;", 0, 0,
         {{key(Qt::Key_Right, Qt::ShiftModifier), {{WM_KEYDOWN, VK_RIGHT}}, true},
          {key(Qt::Key_Right, Qt::ShiftModifier), {{WM_KEYDOWN, VK_RIGHT}}, true},
          {key(Qt::Key_Down, Qt::ShiftModifier), {{WM_KEYDOWN, VK_DOWN}}, true},
          {keys("q"), {{WM_CHAR, 'q'}}}}},
        {"Ctrl+Shift+Left, Delete", "int value;", 9, 9,
         {{key(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier), {{WM_KEYDOWN, VK_LEFT}}, true, true},
          {key(Qt::Key_Delete), {{WM_KEYDOWN, VK_DELETE}}}}},
        {"Ctrl+V pastes the clipboard", "a\nb", 3, 4, {{key(Qt::Key_V, Qt::ControlModifier), {{WM_PASTE, 0}}}}},
        {"Ctrl+X then Home and Ctrl+V", "one two", 3, 7,
         {{key(Qt::Key_X, Qt::ControlModifier), {{WM_CUT, 0}}},
          {key(Qt::Key_Home), {{WM_KEYDOWN, VK_HOME}}},
          {key(Qt::Key_V, Qt::ControlModifier), {{WM_PASTE, 0}}}}},
        {"overwrite mode", "abcd", 1, 1,
         {{key(Qt::Key_Insert), {{WM_KEYDOWN, VK_INSERT}}},
          {keys("xy"), {{WM_CHAR, 'x'}, {WM_CHAR, 'y'}}},
          {key(Qt::Key_Insert), {{WM_KEYDOWN, VK_INSERT}}}}},
        {"Ctrl+A then a letter", "a\nb", 0, 0,
         {{key(Qt::Key_A, Qt::ControlModifier), {{WM_KEYDOWN, 'A'}}, false, true}, {keys("z"), {{WM_CHAR, 'z'}}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        m_ui.SetClipboardText("pasted\ntext");
        Show(c.pszText);
        m_ctrl.SetSel(c.nStart, c.nEnd);
        CRichEditCtrl other;
        CTinctoView otherView;
        otherView.SetEditCtrl(&other);
        otherView.SetPathName("Test.java");
        ASSERT_TRUE(otherView.LoadText(c.pszText, static_cast<long>(std::strlen(c.pszText))));
        other.SetSel(c.nStart, c.nEnd);
        for (const Step& step : c.steps) {
            step.type(&m_widget);
            CKeyState::SetModifiers(step.bShift, step.bControl);
            for (auto [nMessage, wParam] : step.messages)
                other.SendMessage(nMessage, wParam, 0);
            CKeyState::SetModifiers(FALSE, FALSE);
        }
        EXPECT_EQ(m_ctrl.Dump(), other.Dump());
        EXPECT_EQ(m_ctrl.GetOverwrite(), other.GetOverwrite());
        EXPECT_NE(m_ctrl.GetWindowText(), CString(c.pszText)) << "every case edits or selects";
    }
}

// Pixels of colour rgb inside a rectangle of an image.
int CountPixels(const QImage& image, const QRect& rect, QRgb rgb)
{
    int nCount = 0;
    QRect clipped = rect.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            nCount += (image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
    return nCount;
}

TEST_F(WidgetMessagesTest, ScreenshotShowsKeywordAndCommentColours)
{
    COLORREF crKeyword = CTinctoView::GetJavaLanguage()->GetJavaKeywords()->GetTextFormat()->GetTextForeColor();
    COLORREF crBlock = CTinctoView::GetBlockCommentText()->GetTextForeColor();
    COLORREF crLine = CTinctoView::GetLineCommentText()->GetTextForeColor();
    ASSERT_NE(crKeyword, crBlock);
    ASSERT_NE(crKeyword, crLine);
    QFont font = CRichEditWidget::DefaultEditorFont(16);
    font.setStyleStrategy(QFont::NoAntialias);
    m_widget.SetEditorFont(font);
    Show("/* note */ class X {\nreturn; // done\n");

    QImage image = m_widget.viewport()->grab().toImage();
    auto cells = [&](int nRow, int nFirst, int nLast) {
        QPoint origin = m_widget.GetTextOrigin();
        double dCell = m_widget.GetCellWidth();
        return QRect(origin.x() + static_cast<int>(nFirst * dCell), origin.y() + nRow * m_widget.GetLineHeight(),
                     static_cast<int>((nLast - nFirst) * dCell), m_widget.GetLineHeight());
    };
    QRgb rgbKeyword = CRichEditWidget::ToColor(crKeyword).rgb();
    QRgb rgbBlock = CRichEditWidget::ToColor(crBlock).rgb();
    QRgb rgbLine = CRichEditWidget::ToColor(crLine).rgb();
    EXPECT_GT(CountPixels(image, cells(0, 0, 10), rgbBlock), 20);     // /* note */
    EXPECT_EQ(CountPixels(image, cells(0, 0, 10), rgbKeyword), 0);
    EXPECT_GT(CountPixels(image, cells(0, 11, 16), rgbKeyword), 20);  // class
    EXPECT_EQ(CountPixels(image, cells(0, 11, 16), rgbBlock), 0);
    EXPECT_GT(CountPixels(image, cells(1, 0, 6), rgbKeyword), 20);    // return
    EXPECT_GT(CountPixels(image, cells(1, 8, 15), rgbLine), 20);      // // done
    EXPECT_EQ(CountPixels(image, cells(1, 8, 15), rgbKeyword), 0);
}

TEST_F(WidgetMessagesTest, BlockCaretInOverwriteModeBarCaretInInsertMode)
{
    Show("MMMM\n");
    m_widget.activateWindow();
    m_widget.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_widget));
    ASSERT_TRUE(m_widget.hasFocus());
    m_ctrl.SetSel(1, 1);
    QRect bar = m_widget.GetCaretRect();
    QRgb rgbBackground = m_widget.viewport()->grab().toImage().pixel(bar.center().x() + 200, bar.center().y());
    auto inverted = [&] {
        QImage image = m_widget.viewport()->grab().toImage();
        QRect cell = m_widget.GetCaretRect().united(bar);
        return cell.width() * cell.height() - CountPixels(image, cell, rgbBackground);
    };
    int nBarPixels = inverted();

    QTest::keyClick(&m_widget, Qt::Key_Insert);
    ASSERT_TRUE(m_ctrl.GetOverwrite());
    QRect block = m_widget.GetCaretRect();
    EXPECT_LE(bar.width(), 2);
    EXPECT_EQ(block.left(), bar.left() + 1);
    EXPECT_NEAR(block.width(), m_widget.GetCellWidth(), 1.0);
    EXPECT_EQ(block.height(), m_widget.GetLineHeight());
    int nBlockPixels = inverted();
    EXPECT_GT(nBlockPixels, nBarPixels + block.width() * block.height() / 2);

    QTest::keyClick(&m_widget, Qt::Key_Insert);
    EXPECT_EQ(m_widget.GetCaretRect(), bar);
}

// Records the regions the viewport paints.
class CPaintRecorder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint)
            m_region += static_cast<QPaintEvent*>(pEvent)->region();
        return false;
    }
    QRegion m_region;
};

TEST_F(WidgetMessagesTest, RepaintsOnlyTheLinesAChangeTouches)
{
    std::string strText;
    for (int i = 0; i < 12; ++i)
        strText += "line " + std::to_string(i) + "\n";
    Show(strText);
    ASSERT_GE(m_widget.GetVisibleLineCount(), 12);
    CPaintRecorder recorder;
    m_widget.viewport()->installEventFilter(&recorder);
    auto rowsPainted = [&] {
        std::vector<int> rows;
        for (int nRow = 0; nRow < 12; ++nRow) {
            QRect row(0, m_widget.GetTextOrigin().y() + nRow * m_widget.GetLineHeight() + 1,
                      m_widget.viewport()->width(), m_widget.GetLineHeight() - 2);
            if (recorder.m_region.intersects(row))
                rows.push_back(nRow);
        }
        return rows;
    };
    auto settle = [&] {
        QApplication::processEvents();
        recorder.m_region = QRegion();
    };
    struct Case {
        const char* pszName;
        std::function<void()> act;
        std::vector<int> rows;
    } cases[] = {
        {"typing on a line", [&] { QTest::keyClicks(&m_widget, "x"); }, {3}},
        {"a colour change on one line", [&] {
             CHARFORMAT cf{};
             cf.dwMask = CFM_COLOR;
             cf.crTextColor = RGB(200, 0, 0);
             m_ctrl.SetCharFormat(m_ctrl.LineIndex(5), m_ctrl.LineIndex(5) + 2, cf);
         }, {5}},
        {"the caret moves down a line", [&] { QTest::keyClick(&m_widget, Qt::Key_Down); }, {3, 4}},
        {"a selection over three lines", [&] { m_ctrl.SetSel(m_ctrl.LineIndex(3), m_ctrl.LineIndex(5) + 1); },
         {3, 4, 5}},
        {"a new line moves every line below", [&] { QTest::keyClick(&m_widget, Qt::Key_Return); },
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {"nothing while redraw is off", [&] {
             m_ctrl.SetRedraw(FALSE);
             m_ctrl.SetSel(0, 0);
             m_ctrl.ReplaceSel("abc\r\n");
         }, {}},
        {"everything once it is on again", [&] { m_ctrl.SetRedraw(TRUE); }, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    };
    m_ctrl.SetSel(m_ctrl.LineIndex(3) + 2, m_ctrl.LineIndex(3) + 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        settle();
        c.act();
        QApplication::processEvents();
        EXPECT_EQ(rowsPainted(), c.rows);
    }
    m_widget.viewport()->removeEventFilter(&recorder);
}

TEST_F(WidgetMessagesTest, ControlLearnsTabColumnsAndPageSize)
{
    Show("\tx\n");
    m_widget.SetTabSize(6);
    EXPECT_EQ(m_ctrl.GetTabColumns(), 6);
    // Page Down moves one page less a line: the control knows the height.
    std::string strText;
    for (int i = 0; i < 200; ++i)
        strText += "l\n";
    Show(strText);
    m_widget.resize(500, m_widget.GetLineHeight() * 10 + 40);
    QApplication::processEvents();
    int nPage = m_widget.GetVisibleLineCount() - 1;
    m_ctrl.SetSel(0, 0);
    QTest::keyClick(&m_widget, Qt::Key_PageDown);
    EXPECT_EQ(m_ctrl.LineFromChar(m_ctrl.GetCaret()), nPage);
}

}  // namespace
