// The control's own handling of window messages: characters, editing and
// motion keys with Shift and Ctrl, overwrite mode, read-only, the clipboard,
// the mouse (positions in lParam) and dropped text. Texts are written with
// '[' at the anchor and '|' at the caret ("a[bc|d": "bc" selected, caret
// after it; "ab|cd": an empty selection).
#include "KeyState.h"
#include "RichEditCtrl.h"
#include "ScriptedUserInterface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int SHIFT = 1;
constexpr int CTRL = 2;

struct Msg {
    UINT nMessage;
    WPARAM wParam;
    LPARAM lParam;
    int nModifiers;
};

Msg Key(int nKey, int nModifiers = 0) { return {WM_KEYDOWN, static_cast<WPARAM>(nKey), 0, nModifiers}; }
Msg Char(UINT nChar) { return {WM_CHAR, nChar, 0, 0}; }
Msg Mouse(UINT nMessage, LONG nPos, WPARAM wFlags = MK_LBUTTON) { return {nMessage, wFlags, nPos, 0}; }
Msg Plain(UINT nMessage) { return {nMessage, 0, 0, 0}; }

struct Case {
    const char* pszName;
    const char* pszBefore;
    std::vector<Msg> messages;
    const char* pszAfter;
};

// Loads a marked text into the control: text, anchor and caret.
void Load(CRichEditCtrl& ctrl, const std::string& strMarked)
{
    std::string strText;
    LONG nAnchor = -1, nCaret = 0;
    for (char ch : strMarked) {
        if (ch == '[')
            nAnchor = static_cast<LONG>(strText.size());
        else if (ch == '|')
            nCaret = static_cast<LONG>(strText.size());
        else
            strText += ch;
    }
    ctrl.SetWindowText(strText.c_str());
    ctrl.SetSelAnchored(nAnchor < 0 ? nCaret : nAnchor, nCaret);
}

// The control's text with its anchor and caret marked.
std::string Marked(const CRichEditCtrl& ctrl)
{
    std::string strText = ctrl.GetWindowText().str();
    LONG nCaret = ctrl.GetCaret(), nAnchor = ctrl.GetAnchor();
    std::string strOut;
    for (LONG i = 0; i <= static_cast<LONG>(strText.size()); ++i) {
        if (i == nAnchor && nAnchor != nCaret)
            strOut += '[';
        if (i == nCaret)
            strOut += '|';
        if (i < static_cast<LONG>(strText.size()))
            strOut += strText[static_cast<size_t>(i)];
    }
    return strOut;
}

class RichEditMessagesTest : public ::testing::Test {
protected:
    void TearDown() override { CKeyState::SetModifiers(FALSE, FALSE, FALSE); }

    void Run(const std::vector<Case>& cases, bool bReadOnly = false)
    {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.pszName);
            CRichEditCtrl ctrl;
            ctrl.SetTabColumns(4);
            Load(ctrl, c.pszBefore);
            ctrl.SetModify(FALSE);
            ctrl.SetReadOnly(bReadOnly ? TRUE : FALSE);
            for (const Msg& msg : c.messages) {
                CKeyState::SetModifiers((msg.nModifiers & SHIFT) != 0, (msg.nModifiers & CTRL) != 0);
                ctrl.SendMessage(msg.nMessage, msg.wParam, msg.lParam);
            }
            CKeyState::SetModifiers(FALSE, FALSE);
            EXPECT_EQ(Marked(ctrl), c.pszAfter);
            if (bReadOnly) {
                EXPECT_FALSE(ctrl.GetModify());
            }
        }
    }

    CScriptedUserInterface m_ui;
};

TEST_F(RichEditMessagesTest, TypedCharacters)
{
    Run({
        {"a letter", "ab|", {Char('x')}, "abx|"},
        {"two bytes", "a|b", {Char(0xE9)}, "a\xC3\xA9|b"},
        {"three bytes", "a|b", {Char(0x20AC)}, "a\xE2\x82\xAC|b"},
        {"four bytes", "|", {Char(0x1F600)}, "\xF0\x9F\x98\x80|"},
        {"Enter inserts CR LF", "ab|cd", {Char('\r')}, "ab\r\n|cd"},
        {"Tab", "a|b", {Char('\t')}, "a\t|b"},
        {"typing replaces the selection", "a[bc|d", {Char('x')}, "ax|d"},
        {"Enter replaces the selection", "a|bc[d", {Char('\r')}, "a\r\n|d"},
        {"Backspace and Escape characters insert nothing", "ab|", {Char('\b'), Char(0x1B), Char(0x7F)}, "ab|"},
        {"beyond Unicode inserts nothing", "ab|", {Char(0x110000)}, "ab|"},
    });
}

TEST_F(RichEditMessagesTest, OverwriteMode)
{
    Run({
        {"replaces the character at the caret", "a|bc", {Key(VK_INSERT), Char('x')}, "ax|c"},
        {"replaces a whole UTF-8 character", "a|\xC3\xA9" "b", {Key(VK_INSERT), Char('x')}, "ax|b"},
        {"a multi-byte character over a letter", "a|bc", {Key(VK_INSERT), Char(0x20AC)}, "a\xE2\x82\xAC|c"},
        {"inserts at a line end", "ab|\r\ncd", {Key(VK_INSERT), Char('x')}, "abx|\r\ncd"},
        {"inserts at the text end", "ab|", {Key(VK_INSERT), Char('x'), Char('y')}, "abxy|"},
        {"a selection is replaced, nothing more", "[ab|cd", {Key(VK_INSERT), Char('x')}, "x|cd"},
        {"Insert twice is insert mode again", "a|bc", {Key(VK_INSERT), Key(VK_INSERT), Char('x')}, "ax|bc"},
        {"Shift+Insert does not toggle", "a|bc", {Key(VK_INSERT, SHIFT), Char('x')}, "ax|bc"},
    });
}

TEST_F(RichEditMessagesTest, BackspaceAndDelete)
{
    Run({
        {"Backspace joins lines", "ab\r\n|cd", {Key(VK_BACK)}, "ab|cd"},
        {"Delete joins lines", "ab|\r\ncd", {Key(VK_DELETE)}, "ab|cd"},
        {"Backspace removes a two-byte character", "a\xC3\xA9|b", {Key(VK_BACK)}, "a|b"},
        {"Delete removes a three-byte character", "a|\xE2\x82\xAC" "b", {Key(VK_DELETE)}, "a|b"},
        {"Backspace removes a four-byte character", "\xF0\x9F\x98\x80|", {Key(VK_BACK)}, "|"},
        {"Backspace at the start", "|ab", {Key(VK_BACK)}, "|ab"},
        {"Delete at the end", "ab|", {Key(VK_DELETE)}, "ab|"},
        {"Backspace removes the selection only", "a[bc|d", {Key(VK_BACK)}, "a|d"},
        {"Delete removes a selection over a line end", "a|b\r\nc[d", {Key(VK_DELETE)}, "a|d"},
    });
}

TEST_F(RichEditMessagesTest, ArrowsHomeAndEnd)
{
    Run({
        {"Left", "ab|c", {Key(VK_LEFT)}, "a|bc"},
        {"Right steps over CR LF", "ab|\r\ncd", {Key(VK_RIGHT)}, "ab\r\n|cd"},
        {"Left steps over CR LF", "ab\r\n|cd", {Key(VK_LEFT)}, "ab|\r\ncd"},
        {"Right steps over a UTF-8 character", "a|\xC3\xA9" "b", {Key(VK_RIGHT)}, "a\xC3\xA9|b"},
        {"Left at the start stays", "|ab", {Key(VK_LEFT)}, "|ab"},
        {"Right at the end stays", "ab|", {Key(VK_RIGHT)}, "ab|"},
        {"Shift+Right twice", "|abc", {Key(VK_RIGHT, SHIFT), Key(VK_RIGHT, SHIFT)}, "[ab|c"},
        {"Shift+Left", "ab|c", {Key(VK_LEFT, SHIFT)}, "a|b[c"},
        {"Shift+Left back over the anchor", "a[b|c", {Key(VK_LEFT, SHIFT), Key(VK_LEFT, SHIFT)}, "|a[bc"},
        {"Left collapses to the start", "a[bc|d", {Key(VK_LEFT)}, "a|bcd"},
        {"Right collapses to the end", "a|bc[d", {Key(VK_RIGHT)}, "abc|d"},
        {"Ctrl+Right: the word and its blanks", "|int value = 1;", {Key(VK_RIGHT, CTRL)}, "int |value = 1;"},
        {"Ctrl+Left: the start of the word before", "int value|;", {Key(VK_LEFT, CTRL)}, "int |value;"},
        {"Ctrl+Shift+Right selects words", "|int value;", {Key(VK_RIGHT, CTRL | SHIFT), Key(VK_RIGHT, CTRL | SHIFT)},
         "[int value|;"},
        {"Ctrl+Left from a line start goes to the line before", "ab cd\r\n|x", {Key(VK_LEFT, CTRL)}, "ab |cd\r\nx"},
        {"Home", "ab\r\ncd|ef", {Key(VK_HOME)}, "ab\r\n|cdef"},
        {"End", "ab\r\nc|def\r\ng", {Key(VK_END)}, "ab\r\ncdef|\r\ng"},
        {"Shift+Home", "ab\r\ncd|ef", {Key(VK_HOME, SHIFT)}, "ab\r\n|cd[ef"},
        {"Ctrl+Home", "ab\r\ncd|ef", {Key(VK_HOME, CTRL)}, "|ab\r\ncdef"},
        {"Ctrl+End", "a|b\r\ncdef", {Key(VK_END, CTRL)}, "ab\r\ncdef|"},
        {"Ctrl+Shift+End", "a|b\r\ncd", {Key(VK_END, CTRL | SHIFT)}, "a[b\r\ncd|"},
        {"Ctrl+A", "a|b\r\ncd", {Key('A', CTRL)}, "[ab\r\ncd|"},
        {"A without Ctrl does nothing", "a|b", {Key('A')}, "a|b"},
    });
}

TEST_F(RichEditMessagesTest, UpAndDownKeepTheGoalColumn)
{
    Run({
        {"Down", "ab|c\r\ndef", {Key(VK_DOWN)}, "abc\r\nde|f"},
        {"Up", "abc\r\nde|f", {Key(VK_UP)}, "ab|c\r\ndef"},
        {"across a short line", "abcd|ef\r\nx\r\nabcdef", {Key(VK_DOWN), Key(VK_DOWN)}, "abcdef\r\nx\r\nabcd|ef"},
        {"back up across the short line", "abcdef\r\nx\r\nabcd|ef", {Key(VK_UP), Key(VK_UP)}, "abcd|ef\r\nx\r\nabcdef"},
        {"a horizontal move takes a new column", "abcd|ef\r\nx\r\nabcdef",
         {Key(VK_DOWN), Key(VK_LEFT), Key(VK_DOWN)}, "abcdef\r\nx\r\n|abcdef"},
        {"tabs count to the next stop", "\tab|\r\nabcdefghij", {Key(VK_DOWN)}, "\tab\r\nabcdef|ghij"},
        {"column inside a tab lands on its nearer side", "abcde|f\r\n\tx", {Key(VK_DOWN)}, "abcdef\r\n\tx|"},
        {"columns count UTF-8 characters", "\xC3\xA9\xC3\xA9|x\r\nabcd", {Key(VK_DOWN)}, "\xC3\xA9\xC3\xA9x\r\nab|cd"},
        {"Up on the first line stays", "ab|c\r\nd", {Key(VK_UP)}, "ab|c\r\nd"},
        {"Down on the last line stays", "a\r\nb|c", {Key(VK_DOWN)}, "a\r\nb|c"},
        {"Shift+Down selects", "a|bc\r\ndef", {Key(VK_DOWN, SHIFT)}, "a[bc\r\nd|ef"},
        {"a new selection forgets the column", "abcd|ef\r\nx\r\nabcdef",
         {Key(VK_DOWN), {EM_SETSEL, 0, 0, 0}, Key(VK_DOWN)}, "abcdef\r\n|x\r\nabcdef"},
    });
}

TEST_F(RichEditMessagesTest, ReadOnlyRefusesEditsButMoves)
{
    Run(
        {
            {"characters", "ab|", {Char('x'), Char('\r'), Char('\t')}, "ab|"},
            {"Backspace and Delete", "a|b", {Key(VK_BACK), Key(VK_DELETE)}, "a|b"},
            {"cut, paste and clear", "[ab|", {Plain(WM_CUT), Plain(WM_PASTE), Plain(WM_CLEAR)}, "[ab|"},
            {"the caret still moves", "ab|", {Key(VK_LEFT), Key(VK_HOME, SHIFT)}, "|a[b"},
        },
        true);
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("ab");
    ctrl.SetReadOnly();
    EXPECT_FALSE(ctrl.DropText(1, "x", TRUE));
    EXPECT_STREQ(ctrl.GetWindowText(), "ab");
    EXPECT_FALSE(ctrl.GetModify());
}

TEST_F(RichEditMessagesTest, ClipboardMessages)
{
    m_ui.SetClipboardText("x\ny");
    Run({
        {"paste converts line ends", "a|b", {Plain(WM_PASTE)}, "ax\r\ny|b"},
        {"paste replaces the selection", "[ab|c", {Plain(WM_PASTE)}, "x\r\ny|c"},
        {"clear", "a[bc|d", {Plain(WM_CLEAR)}, "a|d"},
        {"cut", "a[bc|d", {Plain(WM_CUT)}, "a|d"},
    });
    EXPECT_EQ(m_ui.m_strClipboard, "bc");
    Run({{"copy leaves the text", "a[b\r\nc|d", {Plain(WM_COPY)}, "a[b\r\nc|d"}});
    EXPECT_EQ(m_ui.m_strClipboard, "b\r\nc");
}

TEST_F(RichEditMessagesTest, MouseSelections)
{
    Run({
        {"a click puts the caret", "|int value;", {Mouse(WM_LBUTTONDOWN, 5), Mouse(WM_LBUTTONUP, 5, 0)}, "int v|alue;"},
        {"a drag selects", "|int value;", {Mouse(WM_LBUTTONDOWN, 2), Mouse(WM_MOUSEMOVE, 7)}, "in[t val|ue;"},
        {"a drag back selects backwards", "|int value;", {Mouse(WM_LBUTTONDOWN, 7), Mouse(WM_MOUSEMOVE, 2)},
         "in|t val[ue;"},
        {"moves without the button select nothing", "|int value;", {Mouse(WM_LBUTTONDOWN, 2),
         Mouse(WM_LBUTTONUP, 2, 0), Mouse(WM_MOUSEMOVE, 7, 0)}, "in|t value;"},
        {"shift-click extends from the anchor", "a[b|cdef", {Mouse(WM_LBUTTONDOWN, 5, MK_LBUTTON | MK_SHIFT)},
         "a[bcde|f"},
        {"shift-click then drag keeps the anchor", "ab|cdef", {Mouse(WM_LBUTTONDOWN, 4, MK_LBUTTON | MK_SHIFT),
         Mouse(WM_MOUSEMOVE, 1)}, "a|b[cdef"},
        {"double click selects the word", "|int value = 1;", {Mouse(WM_LBUTTONDBLCLK, 6)}, "int [value| = 1;"},
        {"double click then drag extends from the word", "|int value = 1;", {Mouse(WM_LBUTTONDBLCLK, 6),
         Mouse(WM_MOUSEMOVE, 14)}, "int [value = 1;|"},
        {"a position inside CR LF goes before it", "|ab\r\ncd", {Mouse(WM_LBUTTONDOWN, 3)}, "ab|\r\ncd"},
        {"positions clamp to the text", "|ab", {Mouse(WM_LBUTTONDOWN, 99)}, "ab|"},
    });
}

struct DropCase {
    const char* pszName;
    const char* pszBefore;
    bool bDrag;          // BeginDrag before the drop
    LONG nPos;
    const char* pszText;
    BOOL bCopy;
    BOOL bResult;
    const char* pszAfter;
};

TEST_F(RichEditMessagesTest, DroppedText)
{
    const DropCase cases[] = {
        {"moved forward", "[ab|cdef", true, 5, "ab", FALSE, TRUE, "cde[ab|f"},
        {"moved to the end", "[ab|cdef", true, 6, "ab", FALSE, TRUE, "cdef[ab|"},
        {"moved backward", "abcd[ef|", true, 1, "ef", FALSE, TRUE, "a[ef|bcd"},
        {"moved with its line end", "[ab\r\n|cd", true, 6, "ab\r\n", FALSE, TRUE, "cd[ab\r\n|"},
        {"copied", "[ab|cd", true, 4, "ab", TRUE, TRUE, "abcd[ab|"},
        {"dropped onto itself", "a[bc|d", true, 2, "bc", FALSE, FALSE, "a[bc|d"},
        {"dropped at its own end", "a[bc|d", true, 3, "bc", FALSE, FALSE, "a[bc|d"},
        {"from elsewhere: inserted, nothing moves", "a[bc|d", false, 4, "xy", FALSE, TRUE, "abcd[xy|"},
        {"from elsewhere with LF line ends", "ab|", false, 1, "x\ny", FALSE, TRUE, "a[x\r\ny|b"},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        CRichEditCtrl ctrl;
        Load(ctrl, c.pszBefore);
        if (c.bDrag)
            ctrl.BeginDrag();
        EXPECT_EQ(ctrl.DropText(c.nPos, c.pszText, c.bCopy), c.bResult);
        ctrl.EndDrag();
        EXPECT_EQ(Marked(ctrl), c.pszAfter);
    }
}

TEST_F(RichEditMessagesTest, AnEndedDragMovesNothingLater)
{
    CRichEditCtrl ctrl;
    Load(ctrl, "[ab|cd");
    ctrl.BeginDrag();
    ctrl.EndDrag();
    EXPECT_TRUE(ctrl.DropText(4, "ab", FALSE));
    EXPECT_EQ(Marked(ctrl), "abcd[ab|");
}

}  // namespace
