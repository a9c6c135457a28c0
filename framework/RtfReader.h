// CRtfReader: reads rich text, fed in pieces of any size, into a CTextPiece.
// One pass over each piece, no allocation per character; a control word,
// parameter or escape cut by the end of a piece is carried over to the next.
//
// Understood: groups with a format stack, the colour table, \cfN, \b, \i,
// \ul (each with 0 to switch off), \ulnone, \fsN (half points), \plain, \line
// and \par (a CR LF), \tab, the escapes \{ \} \\, a backslash before a digit
// or a space (the character itself), \'hh (one byte) and "\<CR or LF>" (a
// line break). Raw CR, LF and NUL bytes are ignored; other bytes are text.
// Everything else is skipped: unknown control words, and the groups of
// {\* ...} and of the destinations that carry no text (font table, style
// sheet, information, pictures, ...).
#pragma once

#include "WinTypes.h"

#include <vector>

class CCharFormatTable;
class CTextPiece;

class CRtfReader {
public:
    // Formats are added to table; cfDefault is the format the text starts
    // in (its face is the face of all text read). Neither is owned.
    CRtfReader(CCharFormatTable& table, const CHARFORMAT& cfDefault, CTextPiece& piece);
    CRtfReader(const CRtfReader&) = delete;
    CRtfReader& operator=(const CRtfReader&) = delete;

    // Reads the next nCount bytes of the stream.
    void Feed(const BYTE* pb, LONG nCount);
    // Ends the stream: a control word still being read takes effect.
    void Finish();

    enum { MAX_WORD = 32, MAX_DEPTH = 512 };

private:
    enum EState : BYTE { stText, stEscape, stWord, stParam, stHex };
    enum EDestination : BYTE { destText, destColorTable, destSkip };
    struct SGroup {
        COLORREF crColor;
        DWORD dwEffects;
        LONG yHeight;
        EDestination nDest;
    };

    void EmitText(const char* pch, LONG nCount);
    void EmitChar(char ch) { EmitText(&ch, 1); }
    void LineBreak();
    void ControlSymbol(BYTE ch);
    void EndWord();
    const BYTE* ReadText(const BYTE* p, const BYTE* pEnd);
    // pchWord: nLength letters, not terminated.
    void ControlWord(const char* pchWord, LONG nLength, bool bHasParam, LONG lParam);
    void SetAttributes(COLORREF crColor, DWORD dwEffects, LONG yHeight);
    void PushGroup();
    void PopGroup();
    void EndColorEntry();
    void FlushFormat();

    CCharFormatTable& m_table;
    CTextPiece& m_piece;
    CHARFORMAT m_cfDefault;

    SGroup m_group;
    std::vector<SGroup> m_stack;
    LONG m_nExtraDepth = 0;     // groups opened beyond MAX_DEPTH, not stacked
    bool m_bFormatDirty = true;
    // Formats met in this stream, so that a format change costs no search
    // of the whole table.
    struct SKnown {
        COLORREF crColor;
        DWORD dwEffects;
        LONG yHeight;
        int nIndex;
    };
    std::vector<SKnown> m_known;

    // Colour table: entries and whether each is "automatic" (no components).
    std::vector<COLORREF> m_colors;
    std::vector<bool> m_autoColors;
    BYTE m_rgb[3] = {0, 0, 0};
    bool m_bEntryHasColor = false;

    // Lexer state carried from one piece to the next.
    EState m_nState = stText;
    char m_szWord[MAX_WORD + 1] = {};
    int m_nWordLength = 0;
    bool m_bWordTooLong = false;
    bool m_bNegative = false;
    bool m_bHasDigits = false;
    LONG m_lParam = 0;
    int m_nHexDigits = 0;
    int m_nHexValue = 0;
};
