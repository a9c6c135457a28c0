#include "CaretMotion.h"

#include "RichEditCtrl.h"
#include "TextColumns.h"

#include <algorithm>

namespace {

bool IsWordByte(char ch)
{
    auto uch = static_cast<unsigned char>(ch);
    return (uch >= 'a' && uch <= 'z') || (uch >= 'A' && uch <= 'Z') || (uch >= '0' && uch <= '9') || uch == '_'
        || uch >= 0x80;
}

}  // namespace

CString CCaretMotion::LineText(const CRichEditCtrl& ctrl, int nLine)
{
    CString strLine;
    LONG nStart = ctrl.LineIndex(nLine);
    if (nStart >= 0)
        ctrl.GetTextRange(nStart, nStart + ctrl.LineLength(nStart), strLine);
    return strLine;
}

LONG CCaretMotion::LineStart(const CRichEditCtrl& ctrl, LONG nPos)
{
    return ctrl.LineIndex(ctrl.LineFromChar(std::max<LONG>(nPos, 0)));
}

LONG CCaretMotion::LineEnd(const CRichEditCtrl& ctrl, LONG nPos)
{
    LONG nStart = LineStart(ctrl, nPos);
    return nStart + ctrl.LineLength(nStart);
}

LONG CCaretMotion::Next(const CRichEditCtrl& ctrl, LONG nPos)
{
    LONG nLength = ctrl.GetTextLength();
    if (nPos >= nLength)
        return nLength;
    int nLine = ctrl.LineFromChar(nPos);
    LONG nStart = ctrl.LineIndex(nLine);
    CString strLine = LineText(ctrl, nLine);
    int nOffset = static_cast<int>(nPos - nStart);
    if (nOffset >= strLine.GetLength()) {
        LONG nNext = ctrl.LineIndex(nLine + 1);
        return nNext < 0 ? nLength : nNext;
    }
    return nPos + CTextColumns::CharLength(strLine.c_str() + nOffset, strLine.GetLength() - nOffset);
}

LONG CCaretMotion::Previous(const CRichEditCtrl& ctrl, LONG nPos)
{
    if (nPos <= 0)
        return 0;
    nPos = std::min(nPos, ctrl.GetTextLength());
    int nLine = ctrl.LineFromChar(nPos);
    LONG nStart = ctrl.LineIndex(nLine);
    if (nPos == nStart)
        return nLine > 0 ? LineEnd(ctrl, ctrl.LineIndex(nLine - 1)) : 0;
    CString strLine = LineText(ctrl, nLine);
    return nStart + CTextColumns::PreviousCharStart(strLine.c_str(), static_cast<int>(nPos - nStart));
}

int CCaretMotion::ColumnAt(const CRichEditCtrl& ctrl, LONG nPos, int nTabSize)
{
    int nLine = ctrl.LineFromChar(std::max<LONG>(nPos, 0));
    CString strLine = LineText(ctrl, nLine);
    return CTextColumns::ColumnOf(strLine.c_str(), strLine.GetLength(),
                                  static_cast<int>(nPos - ctrl.LineIndex(nLine)), nTabSize);
}

LONG CCaretMotion::LineMove(const CRichEditCtrl& ctrl, LONG nPos, int nLines, int nColumn, int nTabSize)
{
    int nLine = ctrl.LineFromChar(std::max<LONG>(nPos, 0));
    int nTarget = std::clamp(nLine + nLines, 0, ctrl.GetLineCount() - 1);
    CString strLine = LineText(ctrl, nTarget);
    return ctrl.LineIndex(nTarget)
        + CTextColumns::ByteAtX(strLine.c_str(), strLine.GetLength(), nColumn, 1.0, nTabSize);
}

void CCaretMotion::WordAt(const CRichEditCtrl& ctrl, LONG nPos, LONG& nStart, LONG& nEnd)
{
    nPos = std::clamp<LONG>(nPos, 0, ctrl.GetTextLength());
    int nLine = ctrl.LineFromChar(nPos);
    LONG nLineStart = ctrl.LineIndex(nLine);
    CString strLine = LineText(ctrl, nLine);
    int nLength = strLine.GetLength();
    int nAt = static_cast<int>(nPos - nLineStart);
    const char* pLine = strLine.c_str();
    if (!(nAt < nLength && IsWordByte(pLine[nAt])) && nAt > 0 && IsWordByte(pLine[nAt - 1]))
        --nAt;
    if (nAt >= nLength) {
        nStart = nEnd = nLineStart + nLength;
        return;
    }
    int nFrom = nAt, nTo = nAt;
    if (IsWordByte(pLine[nAt])) {
        while (nFrom > 0 && IsWordByte(pLine[nFrom - 1]))
            --nFrom;
        while (nTo < nLength && IsWordByte(pLine[nTo]))
            ++nTo;
    } else {
        nTo = nAt + CTextColumns::CharLength(pLine + nAt, nLength - nAt);
    }
    nStart = nLineStart + nFrom;
    nEnd = nLineStart + nTo;
}

LONG CCaretMotion::WordLeft(const CRichEditCtrl& ctrl, LONG nPos)
{
    CString strText;
    LONG nLength = ctrl.GetTextLength();
    nPos = std::clamp<LONG>(nPos, 0, nLength);
    // Blanks and line ends before the caret, then the word (or the one
    // punctuation character) before them.
    while (nPos > 0) {
        LONG nPrev = Previous(ctrl, nPos);
        ctrl.GetTextRange(nPrev, nPos, strText);
        char ch = strText.IsEmpty() ? ' ' : strText[0];
        if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n')
            break;
        nPos = nPrev;
    }
    if (nPos == 0)
        return 0;
    LONG nStart, nEnd;
    WordAt(ctrl, Previous(ctrl, nPos), nStart, nEnd);
    return nStart < nPos ? nStart : Previous(ctrl, nPos);
}

LONG CCaretMotion::WordRight(const CRichEditCtrl& ctrl, LONG nPos)
{
    LONG nLength = ctrl.GetTextLength();
    nPos = std::clamp<LONG>(nPos, 0, nLength);
    if (nPos >= nLength)
        return nLength;
    LONG nStart, nEnd;
    WordAt(ctrl, nPos, nStart, nEnd);
    LONG nTo = (nEnd > nPos && nStart <= nPos) ? nEnd : Next(ctrl, nPos);
    CString strText;
    while (nTo < nLength) {
        ctrl.GetTextRange(nTo, nTo + 1, strText);
        if (strText.IsEmpty() || (strText[0] != ' ' && strText[0] != '\t'))
            break;
        ++nTo;
    }
    return nTo;
}
