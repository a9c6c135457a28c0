// CViewDriver: a colouring view over a control, driven the way the keyboard
// and the clipboard drive it: by window messages. Texts are given and read
// back with "\n" line ends; the control holds them as CR LF.
#pragma once

#include "KeyState.h"
#include "RichEditCtrl.h"
#include "ScriptedUserInterface.h"
#include "TinctoView.h"

#include <string>
#include <vector>

// One recorded edit of a sequence: positions count the control's CR LF text.
struct CEdit {
    enum EKind { CARET, SELECT, TYPE, PASTE, CUT, UNDO, REDO, INSERT_KEY };
    EKind m_nKind;
    LONG m_nStart = 0;
    LONG m_nEnd = 0;
    std::string m_strText;  // typed (see CViewDriver::Type) or pasted

    // The edit as a C++ expression of the helpers below, for failure reports.
    std::string Describe() const
    {
        switch (m_nKind) {
        case CARET: return "Caret(" + std::to_string(m_nStart) + ")";
        case SELECT: return "Select(" + std::to_string(m_nStart) + ", " + std::to_string(m_nEnd) + ")";
        case TYPE: return "Typed(" + Quoted(m_strText) + ")";
        case PASTE: return "Pasted(" + Quoted(m_strText) + ")";
        case CUT: return "Cut()";
        case UNDO: return "Undone()";
        case REDO: return "Redone()";
        case INSERT_KEY: return "InsertKey()";
        }
        return "?";
    }
    static std::string Quoted(const std::string& str)
    {
        std::string strOut = "\"";
        for (char ch : str) {
            switch (ch) {
            case '\n': strOut += "\\n"; break;
            case '\b': strOut += "\\b"; break;
            case '\x7f': strOut += "\\x7f"; break;
            case '"': strOut += "\\\""; break;
            case '\\': strOut += "\\\\"; break;
            default: strOut += ch;
            }
        }
        return strOut + "\"";
    }
};

inline CEdit Caret(LONG nPos) { return {CEdit::CARET, nPos, nPos, ""}; }
inline CEdit Select(LONG nStart, LONG nEnd) { return {CEdit::SELECT, nStart, nEnd, ""}; }
inline CEdit Typed(const char* psz) { return {CEdit::TYPE, 0, 0, psz}; }
inline CEdit Pasted(const char* psz) { return {CEdit::PASTE, 0, 0, psz}; }
inline CEdit Cut() { return {CEdit::CUT, 0, 0, ""}; }
inline CEdit Undone() { return {CEdit::UNDO, 0, 0, ""}; }
inline CEdit Redone() { return {CEdit::REDO, 0, 0, ""}; }
inline CEdit InsertKey() { return {CEdit::INSERT_KEY, 0, 0, ""}; }

class CViewDriver {
public:
    explicit CViewDriver(const char* pszPath = "Test.java")
    {
        CTinctoView::Init(RGB(255, 255, 255), CTinctoView::m_nMaxUndo);
        m_view.SetPathName(pszPath);
        m_view.Create(&m_ctrl);
        m_view.OnInitialUpdate();
        CKeyState::SetModifiers(FALSE, FALSE);
    }
    ~CViewDriver() { CKeyState::SetModifiers(FALSE, FALSE); }

    void Load(const std::string& strText) { m_view.LoadText(strText.data(), static_cast<long>(strText.size())); }
    // The text with "\n" line ends.
    std::string Text() const
    {
        std::string str = m_ctrl.GetWindowText().str(), out;
        for (char ch : str)
            if (ch != '\r')
                out += ch;
        return out;
    }
    // Position of the nth (from 0) occurrence of pszFind in the control's text.
    LONG Find(const char* pszFind, int nth = 0) const
    {
        std::string str = m_ctrl.GetWindowText().str();
        size_t at = str.find(pszFind);
        while (at != std::string::npos && nth-- > 0)
            at = str.find(pszFind, at + 1);
        return at == std::string::npos ? -1 : static_cast<LONG>(at);
    }
    void Caret(LONG nPos) { m_ctrl.SetSel(nPos, nPos); }
    void Select(LONG nStart, LONG nEnd) { m_ctrl.SetSel(nStart, nEnd); }
    LONG GetCaret() const { return m_ctrl.GetCaret(); }

    // One keystroke: key down, the character it makes (if any), key up.
    void Key(int nKey, BOOL bShift = FALSE, BOOL bControl = FALSE, UINT nChar = 0)
    {
        CKeyState::SetModifiers(bShift, bControl);
        m_view.SendMessage(WM_KEYDOWN, static_cast<WPARAM>(nKey), 0);
        if (nChar)
            m_view.SendMessage(WM_CHAR, nChar, 0);
        m_view.SendMessage(WM_KEYUP, static_cast<WPARAM>(nKey), 0);
        CKeyState::SetModifiers(FALSE, FALSE);
    }
    // Types the text; "\n" is Enter, "\t" Tab, "\b" Backspace, "\x7f" Delete.
    void Type(const std::string& strText)
    {
        for (char ch : strText) {
            if (ch == '\n')
                Key(VK_RETURN, FALSE, FALSE, '\r');
            else if (ch == '\t')
                Key(VK_TAB, FALSE, FALSE, '\t');
            else if (ch == '\b')
                Key(VK_BACK, FALSE, FALSE, VK_BACK);
            else if (ch == '\x7f')
                Key(VK_DELETE);
            else {
                BOOL bShift = FALSE;
                int nKey = KeyFor(ch, bShift);
                Key(nKey, bShift, FALSE, static_cast<unsigned char>(ch));
            }
        }
    }
    // The virtual key a US keyboard sends before the character (0 for none
    // known); bShift tells whether Shift is held for it. Punctuation must not
    // pass as its own code: '"' is 0x22, the code of Page Down.
    static int KeyFor(char ch, BOOL& bShift)
    {
        static const char kPlain[] = "0123456789;=,-./`[\\]'";
        static const char kShifted[] = ")!@#$%^&*(:+<_>?~{|}\"";
        static const int kOem[] = {0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xDB, 0xDC, 0xDD, 0xDE};
        bShift = FALSE;
        if (ch >= 'a' && ch <= 'z')
            return ch - 'a' + 'A';
        if (ch >= 'A' && ch <= 'Z') {
            bShift = TRUE;
            return ch;
        }
        if (ch == ' ')
            return VK_SPACE;
        for (int i = 0; kShifted[i]; ++i) {
            if (kShifted[i] == ch) {
                bShift = TRUE;
                ch = kPlain[i];
                break;
            }
        }
        for (int i = 0; kPlain[i]; ++i)
            if (kPlain[i] == ch)
                return i < 10 ? ch : kOem[i - 10];
        bShift = FALSE;
        return 0;
    }
    void Undo() { Key('Z', FALSE, TRUE); }
    void Redo() { Key('Y', FALSE, TRUE); }
    void Paste(const char* pszText)
    {
        m_ui.m_strClipboard = pszText;
        m_ui.m_bClipboardHasText = true;
        m_view.SendMessage(WM_PASTE, 0, 0);
    }
    void Cut() { m_view.SendMessage(WM_CUT, 0, 0); }

    void Apply(const CEdit& edit)
    {
        switch (edit.m_nKind) {
        case CEdit::CARET: Caret(edit.m_nStart); break;
        case CEdit::SELECT: Select(edit.m_nStart, edit.m_nEnd); break;
        case CEdit::TYPE: Type(edit.m_strText); break;
        case CEdit::PASTE: Paste(edit.m_strText.c_str()); break;
        case CEdit::CUT: Cut(); break;
        case CEdit::UNDO: Undo(); break;
        case CEdit::REDO: Redo(); break;
        case CEdit::INSERT_KEY: Key(VK_INSERT); break;
        }
    }
    // Applies the edits in turn; returns "" when the colours stay right
    // after each, else which edit left which positions wrong.
    std::string Play(const std::vector<CEdit>& edits)
    {
        for (size_t i = 0; i < edits.size(); ++i) {
            Apply(edits[i]);
            std::string strWrong = ColourMismatches();
            if (!strWrong.empty())
                return "after " + edits[i].Describe() + " (edit " + std::to_string(i) + "): " + strWrong;
        }
        return "";
    }

    // Positions whose colour differs from a fresh colouring of the same text
    // ("" when every character agrees).
    std::string ColourMismatches() const
    {
        CRichEditCtrl fresh;
        CTinctoView freshView;
        freshView.SetPathName(m_view.GetPathName());
        freshView.Create(&fresh);
        std::string str = m_ctrl.GetWindowText().str();
        freshView.LoadText(str.data(), static_cast<long>(str.size()));
        std::string strOut;
        for (LONG i = 0; i < static_cast<LONG>(str.size()); ++i) {
            if (str[i] == '\r' || str[i] == '\n')
                continue;
            CHARFORMAT a{}, b{};
            m_ctrl.GetCharFormat(i, i + 1, a);
            fresh.GetCharFormat(i, i + 1, b);
            if (a.crTextColor != b.crTextColor || (a.dwEffects & 0xF) != (b.dwEffects & 0xF)) {
                strOut += std::to_string(i) + "'" + str[i] + "' ";
                if (strOut.size() > 200)
                    break;
            }
        }
        return strOut;
    }
    COLORREF ColourAt(LONG nPos) const
    {
        CHARFORMAT cf{};
        m_ctrl.GetCharFormat(nPos, nPos + 1, cf);
        return cf.crTextColor;
    }

    CScriptedUserInterface m_ui;
    CRichEditCtrl m_ctrl;
    CTinctoView m_view;
};
