#include "CharacterOffsets.h"

#include "RichEditCtrl.h"
#include "TextColumns.h"

#include <algorithm>

namespace {

enum class EClass { Word, Blank, LineEnd, Other };

EClass ClassOf(char32_t ch)
{
    if (ch == '\n')
        return EClass::LineEnd;
    if (ch == ' ' || ch == '\t')
        return EClass::Blank;
    if (ch >= 0x80 || ch == '_' || (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'))
        return EClass::Word;
    return EClass::Other;
}

}  // namespace

void CCharacterOffsets::Reset(const CRichEditCtrl& ctrl)
{
    CString strText;
    ctrl.GetWindowText(strText);
    m_text = strText.str();
    m_bIndexed = false;
}

bool CCharacterOffsets::Apply(const CRichEditCtrl& ctrl, LONG nPos, LONG nRemoved, LONG nInserted, int& nChar,
                              std::u32string& removed, std::u32string& inserted)
{
    removed.clear();
    inserted.clear();
    const LONG nOld = static_cast<LONG>(m_text.size());
    if (nPos < 0 || nRemoved < 0 || nInserted < 0 || nPos + nRemoved > nOld ||
        nOld - nRemoved + nInserted != ctrl.GetTextLength()) {
        nChar = 0;
        Reset(ctrl);
        return false;
    }
    nChar = CharFromPos(nPos);
    removed = Text(nChar, CharFromPos(nPos + nRemoved));
    CString strNew;
    ctrl.GetTextRange(nPos, nPos + nInserted, strNew);
    m_text.replace(static_cast<size_t>(nPos), static_cast<size_t>(nRemoved), strNew.str());
    m_bIndexed = false;
    inserted = Text(nChar, CharFromPos(nPos + nInserted));
    return true;
}

int CCharacterOffsets::CharBytes(size_t nPos) const
{
    if (m_text[nPos] == '\r' && nPos + 1 < m_text.size() && m_text[nPos + 1] == '\n')
        return 2;
    return CTextColumns::CharLength(m_text.data() + nPos, static_cast<int>(m_text.size() - nPos));
}

void CCharacterOffsets::Index() const
{
    if (m_bIndexed)
        return;
    m_lineBytes.assign(1, 0);
    m_lineChars.assign(1, 0);
    int nChars = 0;
    for (size_t i = 0; i < m_text.size();) {
        const char ch = m_text[i];
        i += static_cast<size_t>(CharBytes(i));
        ++nChars;
        if (ch == '\r' || ch == '\n') {
            m_lineBytes.push_back(static_cast<LONG>(i));
            m_lineChars.push_back(nChars);
        }
    }
    m_nCount = nChars;
    m_bIndexed = true;
}

int CCharacterOffsets::GetCount() const
{
    Index();
    return m_nCount;
}

std::vector<int> CCharacterOffsets::LineStarts() const
{
    Index();
    return m_lineChars;
}

size_t CCharacterOffsets::LineOfChar(int nChar) const
{
    Index();
    auto it = std::upper_bound(m_lineChars.begin(), m_lineChars.end(), nChar);
    return static_cast<size_t>(it - m_lineChars.begin()) - 1;
}

int CCharacterOffsets::CharFromPos(LONG nPos) const
{
    Index();
    nPos = std::clamp<LONG>(nPos, 0, static_cast<LONG>(m_text.size()));
    auto it = std::upper_bound(m_lineBytes.begin(), m_lineBytes.end(), nPos);
    const size_t nLine = static_cast<size_t>(it - m_lineBytes.begin()) - 1;
    int nChar = m_lineChars[nLine];
    for (size_t i = static_cast<size_t>(m_lineBytes[nLine]); i < m_text.size();) {
        const size_t nNext = i + static_cast<size_t>(CharBytes(i));
        if (nNext > static_cast<size_t>(nPos))
            break;
        i = nNext;
        ++nChar;
    }
    return nChar;
}

LONG CCharacterOffsets::PosFromChar(int nChar) const
{
    Index();
    nChar = std::clamp(nChar, 0, m_nCount);
    const size_t nLine = LineOfChar(nChar);
    size_t i = static_cast<size_t>(m_lineBytes[nLine]);
    for (int n = m_lineChars[nLine]; n < nChar && i < m_text.size(); ++n)
        i += static_cast<size_t>(CharBytes(i));
    return static_cast<LONG>(i);
}

std::u32string CCharacterOffsets::Text(int nStart, int nEnd) const
{
    Index();
    if (nEnd < 0 || nEnd > m_nCount)
        nEnd = m_nCount;
    nStart = std::clamp(nStart, 0, nEnd);
    std::u32string out;
    const size_t nLast = static_cast<size_t>(PosFromChar(nEnd));
    for (size_t i = static_cast<size_t>(PosFromChar(nStart)); i < nLast;) {
        const char ch = m_text[i];
        if (ch == '\r' || ch == '\n')
            out += U'\n';
        else
            out += CTextColumns::Decode(m_text.data() + i, static_cast<int>(m_text.size() - i));
        i += static_cast<size_t>(CharBytes(i));
    }
    return out;
}

void CCharacterOffsets::Segment(EBoundary boundary, int nOffset, int& nStart, int& nEnd) const
{
    Index();
    nOffset = std::clamp(nOffset, 0, m_nCount);
    if (boundary == EBoundary::All) {
        nStart = 0;
        nEnd = m_nCount;
        return;
    }
    const size_t nLine = LineOfChar(nOffset);
    const int nLineStart = m_lineChars[nLine];
    const int nNextLine = nLine + 1 < m_lineChars.size() ? m_lineChars[nLine + 1] : m_nCount;
    if (boundary == EBoundary::Line) {
        nStart = nLineStart;
        nEnd = nNextLine;
        return;
    }
    if (nOffset >= m_nCount) {
        nStart = nEnd = m_nCount;
        return;
    }
    if (boundary == EBoundary::Character) {
        nStart = nOffset;
        nEnd = nOffset + 1;
        return;
    }
    const std::u32string line = Text(nLineStart, nNextLine);
    const size_t nAt = static_cast<size_t>(nOffset - nLineStart);
    const EClass cls = ClassOf(line[nAt]);
    size_t nFirst = nAt, nLast = nAt + 1;
    if (cls == EClass::Word || cls == EClass::Blank) {
        while (nFirst > 0 && ClassOf(line[nFirst - 1]) == cls)
            --nFirst;
        while (nLast < line.size() && ClassOf(line[nLast]) == cls)
            ++nLast;
    }
    nStart = nLineStart + static_cast<int>(nFirst);
    nEnd = nLineStart + static_cast<int>(nLast);
}
