// CPatterns: the rules about comments and strings shared by every view.
// Before the control applies an edit, the view asks whether the edit breaks
// or forms a comment or string mark; the answer is recorded in the view's
// pending block (CBlock&) or as the flag that the caret's line must be
// recoloured (int& / BOOL&). After the edit the view carries it out. The
// same object answers where comments and strings are, reading the control's
// text backwards, and knows the order of the pattern colour-table entries.
#pragma once

#include "String.h"

class CBlock;
class CEditorLine;
class CTextFormat;
class CTinctoView;

class CPatterns {
public:
    virtual ~CPatterns() = default;

    // Before cut or clear of the selection; TRUE when a block or the line was asked for.
    virtual BOOL PreProcessCut(CTinctoView* pView, CBlock& block, int& bParseLine);
    // Before a paste of the view's work buffer over the selection.
    virtual BOOL PreProcessPaste(CTinctoView* pView, CBlock& block, int& bParseLine);
    // Before a character is typed over the selection.
    virtual BOOL PreProcessReplace(CTinctoView* pView, CBlock& block, int& bParseLine);
    // [nStart, nEnd) is coloured as block comment or string.
    virtual BOOL IsBlockFormat(CTinctoView* pView, int nStart, int nEnd);
    // Queries: is nPosition inside a block comment / line comment / string;
    // lStart receives where it starts.
    virtual BOOL IsInBlockComment(CTinctoView* pView, int nPosition, long& lStart);
    virtual BOOL IsInLineComment(CTinctoView* pView, int nPosition, long& lStart);
    virtual BOOL IsInStringText(CTinctoView* pView, int nPosition, long& lStart);
    // Colours a block comment that starts at lPosition (a "/*" was formed).
    virtual void OnBlockCommentBegin(CTinctoView* pView, long lPosition);
    // Closes the block comment whose "*/" was just formed; lPosition is just after that mark.
    virtual void OnBlockCommentEnd(CTinctoView* pView, long lPosition);
    // Carries out a pending block; nCaret is the caret position.
    virtual void ParseBlock(CTinctoView* pView, CBlock* pBlock, int nCaret);
    // Before a character replaces the one at the caret (overwrite mode).
    virtual BOOL CheckForOverWritePattern(CTinctoView* pView, CEditorLine& line, CBlock& block, int& bParseLine);
    // Before Backspace at a line start / Delete at a line end joins two lines.
    virtual BOOL CheckForBackSpaceLineMerger(CTinctoView* pView, CEditorLine& line, int& bParseLine);
    virtual BOOL CheckForDelLineMerger(CTinctoView* pView, CEditorLine& line, int& bParseLine);
    // Before Backspace or Delete (nKey VK_BACK / VK_DELETE) removes a character.
    virtual BOOL CheckBSDelPatternMakeBreak(CTinctoView* pView, UINT nKey, CEditorLine& line, CBlock& block, int& bParseLine);
    // After nChar was typed (the line read after the edit).
    virtual void CheckForBreakInPattern(CTinctoView* pView, UINT nChar, CEditorLine& line, CBlock& block, int& bParseLine);
    // After Enter.
    virtual BOOL OnReturn(CTinctoView* pView, CEditorLine& line, CBlock& block, int& bParseLine);
    // After nChar was typed, the caret after it: forms "//", "/*", "*/", quotes.
    virtual void CheckForMakePatterns(CTinctoView* pView, UINT nChar, CEditorLine& line);
    // After undoing a character next to a comment end / in a string: TRUE
    // when the caller must recolour the comment's block (the string case
    // recolours the line itself).
    virtual BOOL CheckForCommentCharPatternUndo(CTinctoView* pView, CEditorLine* pLine, int nPosition, int nOther);
    virtual BOOL CheckForStringCharPatternUndo(CTinctoView* pView, CEditorLine* pLine, int nPosition, int nOther);
    // TRUE for tab, space, '"', '*', '/', '\\' and for any position inside a
    // block comment, a line comment or a string.
    virtual BOOL CheckPatternChar(CTinctoView* pView, char ch, int nPosition);
    // Colour-table entries of normal text (index 0), block comment (1), line comment (2), string (3).
    virtual void AppendColorTable(CTinctoView* pView, CString& strTable, int& nIndex);
    // The shared format of the comment or string that starts at nPosition of
    // pText (nLength bytes), else the normal text format. Same rule for every language.
    virtual CTextFormat* IsPatternStart(CTinctoView* pView, const char* pText, int nPosition, int nLength);
    // Format a recolouring from nPosition starts in, with its start.
    virtual CTextFormat* IsInBlockPattern(CTinctoView* pView, int nPosition, long& lStart);
    // The line holds "/*": type 1 from the line start, TRUE.
    virtual BOOL CheckForBlockPatternsInLine(CTinctoView* pView, CEditorLine& line, CBlock& block);
};
