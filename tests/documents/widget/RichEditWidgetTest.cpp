// The editor widget over a real control loaded through the colouring view:
// keys become the expected model edits and selections, clicks land on the
// right byte positions, and the painted text shows the formats' colours.
#include "RichEditWidget.h"

#include "RichEditCtrl.h"
#include "ScriptedUserInterface.h"
#include "TinctoView.h"

#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

class RichEditWidgetTest : public ::testing::Test {
protected:
    void Load(const std::string& strText, const char* pszPath = "Test.java")
    {
        m_view.SetEditCtrl(&m_ctrl);
        m_view.SetPathName(pszPath);
        ASSERT_TRUE(m_view.LoadText(strText.data(), static_cast<long>(strText.size())));
        m_widget.SetEditCtrl(&m_ctrl);
        m_widget.resize(500, 300);
        m_widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_widget));
    }
    // Viewport point at a fraction of a column of a line shown at the top.
    QPoint PointAt(int nRow, double dColumn) const
    {
        QPoint origin = m_widget.GetTextOrigin();
        return QPoint(origin.x() + static_cast<int>(std::lround(dColumn * m_widget.GetCellWidth())),
                      origin.y() + nRow * m_widget.GetLineHeight() + m_widget.GetLineHeight() / 2);
    }
    CString Text() const { return m_ctrl.GetWindowText(); }
    std::pair<LONG, LONG> Sel() const
    {
        LONG nStart, nEnd;
        m_ctrl.GetSel(nStart, nEnd);
        return {nStart, nEnd};
    }

    CScriptedUserInterface m_ui;
    CRichEditCtrl m_ctrl;
    CTinctoView m_view;
    CRichEditWidget m_widget;
};

struct Key {
    int nKey;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    const char* pszText = nullptr;   // typed text, when the key types
};

struct KeyCase {
    const char* pszName;
    const char* pszText;
    LONG nAnchor, nCaret;
    std::vector<Key> keys;
    const char* pszExpected;
    LONG nSelStart, nSelEnd, nCaretAfter;
};

TEST_F(RichEditWidgetTest, KeysBecomeEditsAndSelections)
{
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
    const KeyCase cases[] = {
        {"typing", "x", 0, 0, {{Qt::Key_A, {}, "a"}, {Qt::Key_B, {}, "b"}}, "abx", 2, 2, 2},
        {"typing UTF-8", "x", 1, 1, {{Qt::Key_unknown, {}, "\xC3\xA4"}}, "x\xC3\xA4", 3, 3, 3},
        {"typing replaces the selection", "hello", 1, 4, {{Qt::Key_Z, {}, "z"}}, "hzo", 2, 2, 2},
        {"enter gives CR LF", "abc", 1, 1, {{Qt::Key_Return}}, "a\r\nbc", 3, 3, 3},
        {"keypad enter", "ab", 2, 2, {{Qt::Key_Enter, Qt::KeypadModifier}}, "ab\r\n", 4, 4, 4},
        {"tab", "ab", 1, 1, {{Qt::Key_Tab, {}, "\t"}}, "a\tb", 2, 2, 2},
        {"backspace over a line end", "ab\r\ncd", 4, 4, {{Qt::Key_Backspace}}, "abcd", 2, 2, 2},
        {"backspace over UTF-8", "a\xE2\x82\xAC", 4, 4, {{Qt::Key_Backspace}}, "a", 1, 1, 1},
        {"backspace at the start", "ab", 0, 0, {{Qt::Key_Backspace}}, "ab", 0, 0, 0},
        {"delete over a line end", "ab\r\ncd", 2, 2, {{Qt::Key_Delete}}, "abcd", 2, 2, 2},
        {"delete removes the selection", "abcd", 1, 3, {{Qt::Key_Delete}}, "ad", 1, 1, 1},
        {"shift+right twice", "abc", 0, 0, {{Qt::Key_Right, shift}, {Qt::Key_Right, shift}}, "abc", 0, 2, 2},
        {"shift+left over a line end", "ab\r\ncd", 4, 4, {{Qt::Key_Left, shift}}, "ab\r\ncd", 2, 4, 2},
        {"shift+left then shift+right", "abc", 1, 1, {{Qt::Key_Left, shift}, {Qt::Key_Right, shift}, {Qt::Key_Right, shift}},
         "abc", 1, 2, 2},
        {"shift+down", "abc\r\ndef", 1, 1, {{Qt::Key_Down, shift}}, "abc\r\ndef", 1, 6, 6},
        {"right collapses a selection to its end", "abcd", 1, 3, {{Qt::Key_Right}}, "abcd", 3, 3, 3},
        {"left collapses a selection to its start", "abcd", 3, 1, {{Qt::Key_Left}}, "abcd", 1, 1, 1},
        {"down keeps the column over a short line", "abcdef\r\nx\r\nabcdef", 4, 4,
         {{Qt::Key_Down}, {Qt::Key_Down}}, "abcdef\r\nx\r\nabcdef", 15, 15, 15},
        {"up from the first line stays on it", "abc\r\nd", 2, 2, {{Qt::Key_Up}}, "abc\r\nd", 2, 2, 2},
        {"home and shift+end", "ab\r\ncdef", 6, 6, {{Qt::Key_Home}, {Qt::Key_End, shift}}, "ab\r\ncdef", 4, 8, 8},
        {"ctrl+end and ctrl+shift+home", "ab\r\ncd", 1, 1, {{Qt::Key_End, ctrl}, {Qt::Key_Home, ctrl | shift}},
         "ab\r\ncd", 0, 6, 0},
        {"ctrl+a", "ab\r\ncd", 1, 1, {{Qt::Key_A, ctrl}}, "ab\r\ncd", 0, 6, 6},
        {"ctrl+x then ctrl+v", "abcd", 1, 3, {{Qt::Key_X, ctrl}, {Qt::Key_End}, {Qt::Key_V, ctrl}}, "adbc", 4, 4, 4},
        {"ctrl+letter types nothing", "ab", 1, 1, {{Qt::Key_B, ctrl, "\x02"}}, "ab", 1, 1, 1},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        Load(c.pszText);
        m_ctrl.SetSel(c.nAnchor, c.nCaret);
        for (const Key& key : c.keys) {
            QKeyEvent event(QEvent::KeyPress, key.nKey, key.modifiers,
                            key.pszText ? QString::fromUtf8(key.pszText) : QString());
            QApplication::sendEvent(&m_widget, &event);
        }
        EXPECT_EQ(Text(), c.pszExpected);
        EXPECT_EQ(Sel(), std::make_pair(c.nSelStart, c.nSelEnd));
        EXPECT_EQ(m_ctrl.GetCaret(), c.nCaretAfter);
    }
}

TEST_F(RichEditWidgetTest, PageDownMovesTheCaretAndTheFirstVisibleLine)
{
    std::string strText;
    for (int i = 0; i < 100; ++i)
        strText += "line " + std::to_string(i) + "\n";
    Load(strText);
    int nPage = m_widget.viewport()->height() / m_widget.GetLineHeight() - 1;
    ASSERT_GT(nPage, 2);
    QTest::keyClick(&m_widget, Qt::Key_PageDown);
    EXPECT_EQ(m_ctrl.LineFromChar(m_ctrl.GetCaret()), nPage);
    EXPECT_EQ(m_ctrl.GetFirstVisibleLine(), nPage);
    EXPECT_EQ(m_widget.verticalScrollBar()->value(), nPage);
    QTest::keyClick(&m_widget, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(m_ctrl.LineFromChar(m_ctrl.GetCaret()), 100);
    int nFirst = m_ctrl.GetFirstVisibleLine();
    EXPECT_LE(nFirst, 100);
    EXPECT_GT(nFirst + m_widget.viewport()->height() / m_widget.GetLineHeight(), 100);
    // The scroll bar drives the control's first visible line.
    m_widget.verticalScrollBar()->setValue(3);
    EXPECT_EQ(m_ctrl.GetFirstVisibleLine(), 3);
}

TEST_F(RichEditWidgetTest, EndOfALongLineScrollsItIntoViewAndClicksFollowTheScroll)
{
    std::string strLine(300, 'a');
    strLine[250] = 'b';
    Load(strLine + "\nshort");
    QTest::keyClick(&m_widget, Qt::Key_End);
    EXPECT_EQ(m_ctrl.GetCaret(), 300);
    int nScrolled = m_widget.horizontalScrollBar()->value();
    EXPECT_GT(nScrolled, static_cast<int>(200 * m_widget.GetCellWidth()));
    EXPECT_EQ(m_widget.GetTextOrigin().x() + nScrolled, 4);
    // Column 250 is on screen now; a click on it lands before the 'b'.
    QPoint pt = PointAt(0, 250.3);
    ASSERT_GT(pt.x(), 0);
    QTest::mouseClick(m_widget.viewport(), Qt::LeftButton, {}, pt);
    EXPECT_EQ(Sel(), std::make_pair(LONG(250), LONG(250)));
    QTest::keyClick(&m_widget, Qt::Key_Home);
    EXPECT_EQ(m_widget.horizontalScrollBar()->value(), 0);
}

TEST_F(RichEditWidgetTest, ReadOnlyControlRefusesTypedEdits)
{
    Load("abc\r\ndef");
    m_ctrl.SetReadOnly(TRUE);
    m_ctrl.SetSel(4, 4);
    QTest::keyClicks(&m_widget, "xy");
    QTest::keyClick(&m_widget, Qt::Key_Return);
    QTest::keyClick(&m_widget, Qt::Key_Backspace);
    QTest::keyClick(&m_widget, Qt::Key_Delete);
    QTest::keyClick(&m_widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&m_widget, Qt::Key_X, Qt::ControlModifier);
    m_ui.SetClipboardText("pasted");
    QTest::keyClick(&m_widget, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(), "abc\r\ndef");
    EXPECT_FALSE(m_ctrl.GetModify());
    QTest::keyClick(&m_widget, Qt::Key_C, Qt::ControlModifier);   // copying still works
    EXPECT_EQ(m_ui.m_strClipboard, "abc\r\ndef");
}

TEST_F(RichEditWidgetTest, ClicksMapToBytePositions)
{
    // line 1: tab (columns 0-3), ä (4, bytes 1-2), € (5, bytes 3-5), x (6, byte 6)
    Load("ab\n\t\xC3\xA4\xE2\x82\xAC" "x\nlast");
    ASSERT_EQ(m_widget.GetTabSize(), 4);
    const LONG nLine1 = 4;
    struct Case {
        int nRow;
        double dColumn;
        LONG nExpected;
    } cases[] = {
        {0, 0.2, 0}, {0, 1.4, 1}, {0, 1.6, 2}, {0, 30, 2},
        {1, 1.0, nLine1 + 0}, {1, 2.9, nLine1 + 1}, {1, 4.25, nLine1 + 1}, {1, 4.75, nLine1 + 3},
        {1, 5.25, nLine1 + 3}, {1, 5.75, nLine1 + 6}, {1, 6.7, nLine1 + 7}, {1, 40, nLine1 + 7},
        {2, 2.2, 15}, {7, 1.0, 14},   // below the text: the last line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nRow * 100 + c.dColumn);
        QTest::mouseClick(m_widget.viewport(), Qt::LeftButton, {}, PointAt(c.nRow, c.dColumn));
        EXPECT_EQ(Sel(), std::make_pair(c.nExpected, c.nExpected));
    }
}

TEST_F(RichEditWidgetTest, MouseSelectsByDragShiftClickAndDoubleClick)
{
    Load("int value = 42;\nsecond line");
    QWidget* pViewport = m_widget.viewport();
    QTest::mousePress(pViewport, Qt::LeftButton, {}, PointAt(0, 4));
    QTest::mouseMove(pViewport, PointAt(1, 6));
    QTest::mouseRelease(pViewport, Qt::LeftButton, {}, PointAt(1, 6));
    EXPECT_EQ(Sel(), std::make_pair(LONG(4), LONG(23)));
    EXPECT_EQ(m_ctrl.GetCaret(), 23);

    QTest::mouseClick(pViewport, Qt::LeftButton, {}, PointAt(0, 12));
    QTest::mouseClick(pViewport, Qt::LeftButton, Qt::ShiftModifier, PointAt(0, 2));
    EXPECT_EQ(Sel(), std::make_pair(LONG(2), LONG(12)));
    EXPECT_EQ(m_ctrl.GetCaret(), 2);

    QTest::mouseDClick(pViewport, Qt::LeftButton, {}, PointAt(0, 6.5));
    EXPECT_EQ(m_ctrl.GetSelText(), "value");
}

// Keyword-coloured pixels inside the cells [nFirst, nLast) of a line.
int CountPixels(const QImage& image, const CRichEditWidget& widget, int nRow, int nFirst, int nLast, QRgb rgb)
{
    QPoint origin = widget.GetTextOrigin();
    int nLeft = origin.x() + static_cast<int>(nFirst * widget.GetCellWidth());
    int nRight = origin.x() + static_cast<int>(nLast * widget.GetCellWidth());
    int nTop = origin.y() + nRow * widget.GetLineHeight();
    int nCount = 0;
    for (int y = nTop; y < nTop + widget.GetLineHeight(); ++y)
        for (int x = nLeft; x < nRight; ++x)
            nCount += (image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
    return nCount;
}

TEST_F(RichEditWidgetTest, PaintsRunsInTheirColoursOnTheBackground)
{
    COLORREF crKeyword = CTinctoView::GetJavaLanguage()->GetJavaKeywords()->GetTextFormat()->GetTextForeColor();
    COLORREF crNormal = CTinctoView::GetNormalText()->GetTextForeColor();
    COLORREF crBackground = RGB(250, 250, 225);
    ASSERT_NE(crKeyword, crNormal);
    QFont font = CRichEditWidget::DefaultEditorFont(16);
    font.setStyleStrategy(QFont::NoAntialias);
    m_widget.SetEditorFont(font);
    m_ctrl.SetBackgroundColor(FALSE, crBackground);
    Load("public class Foo {\n\tint x;\n}\n");

    QImage image = m_widget.viewport()->grab().toImage();
    QRgb rgbKeyword = CRichEditWidget::ToColor(crKeyword).rgb();
    QRgb rgbNormal = CRichEditWidget::ToColor(crNormal).rgb();
    EXPECT_GT(CountPixels(image, m_widget, 0, 0, 6, rgbKeyword), 20);     // public
    EXPECT_GT(CountPixels(image, m_widget, 0, 7, 12, rgbKeyword), 20);    // class
    EXPECT_EQ(CountPixels(image, m_widget, 0, 13, 16, rgbKeyword), 0);    // Foo
    EXPECT_GT(CountPixels(image, m_widget, 0, 13, 16, rgbNormal), 20);
    EXPECT_EQ(CountPixels(image, m_widget, 1, 0, 4, rgbNormal), 0);       // the tab shows nothing
    EXPECT_EQ(QColor(image.pixel(image.width() - 2, image.height() - 2)), CRichEditWidget::ToColor(crBackground));

    // Scrolled down by one line, the top row shows the second line.
    m_ctrl.SetFirstVisibleLine(1);
    image = m_widget.viewport()->grab().toImage();
    EXPECT_EQ(CountPixels(image, m_widget, 0, 0, 6, rgbKeyword), 0);
    EXPECT_EQ(m_widget.verticalScrollBar()->value(), 1);
}

TEST_F(RichEditWidgetTest, TabStopsOfTheControlSetTheTabSize)
{
    Load("\tx");
    m_widget.SetTabSize(4);
    EXPECT_EQ(m_widget.GetTabSize(), 4);
    PARAFORMAT pf{};
    pf.dwMask = PFM_TABSTOPS;
    pf.cTabCount = 2;
    double dTwips = m_widget.GetCellWidth() * 72.0 / m_widget.logicalDpiY() * 20.0;
    pf.rgxTabs[0] = static_cast<LONG>(std::lround(8 * dTwips));
    pf.rgxTabs[1] = static_cast<LONG>(std::lround(16 * dTwips));
    m_ctrl.SetParaFormat(pf);
    EXPECT_EQ(m_widget.GetTabSize(), 8);
    QTest::mouseClick(m_widget.viewport(), Qt::LeftButton, {}, PointAt(0, 8.2));
    EXPECT_EQ(Sel(), std::make_pair(LONG(1), LONG(1)));
}

}  // namespace

TEST_F(RichEditWidgetTest, TypingThroughTheViewRecoloursWhatIsShown)
{
    COLORREF crComment = CTinctoView::GetBlockCommentText()->GetTextForeColor();
    COLORREF crKeyword = CTinctoView::GetJavaLanguage()->GetJavaKeywords()->GetTextFormat()->GetTextForeColor();
    QFont font = CRichEditWidget::DefaultEditorFont(16);
    font.setStyleStrategy(QFont::NoAntialias);
    m_widget.SetEditorFont(font);
    Load("x\nclass A;\n");
    m_view.Create(&m_ctrl);
    m_widget.SetMessageTarget(&m_view);
    m_ctrl.SetSel(0, 0);
    QRgb rgbComment = CRichEditWidget::ToColor(crComment).rgb();
    QRgb rgbKeyword = CRichEditWidget::ToColor(crKeyword).rgb();
    QImage image = m_widget.viewport()->grab().toImage();
    EXPECT_GT(CountPixels(image, m_widget, 1, 0, 5, rgbKeyword), 20);

    QTest::keyClicks(m_widget.viewport(), "/*");
    EXPECT_EQ(Text(), "/*x\r\nclass A;\r\n");
    image = m_widget.viewport()->grab().toImage();
    EXPECT_GT(CountPixels(image, m_widget, 1, 0, 5, rgbComment), 20);   // "class" is now comment
    EXPECT_EQ(CountPixels(image, m_widget, 1, 0, 5, rgbKeyword), 0);

    QTest::keyClick(m_widget.viewport(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(m_widget.viewport(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(), "x\r\nclass A;\r\n");
    image = m_widget.viewport()->grab().toImage();
    EXPECT_GT(CountPixels(image, m_widget, 1, 0, 5, rgbKeyword), 20);
}
