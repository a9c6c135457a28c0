// CTextColumns: where the characters of one line of bytes sit on a grid of
// equal cells. The bytes are read as UTF-8; a byte that does not start a
// valid sequence is a character of its own (shown as its Latin-1 letter).
// A tab reaches the next multiple of the tab size; every other character
// takes one cell.
#pragma once

#include "String.h"

class CTextColumns {
public:
    // Bytes of the character at pText, nLeft bytes being available: 1 to 4.
    static int CharLength(const char* pText, int nLeft);
    // Code point of the character at pText (its CharLength bytes).
    static char32_t Decode(const char* pText, int nLeft);
    // Start of the character that ends at nPos of pText (nPos > 0, on a
    // character boundary).
    static int PreviousCharStart(const char* pText, int nPos);
    // Column at which byte nByte of the line starts (nByte is clamped).
    static int ColumnOf(const char* pLine, int nLength, int nByte, int nTabSize);
    // Byte offset of the character boundary nearest to dX, the line starting
    // at 0 and cells being dCellWidth wide; nLength past the last character.
    static int ByteAtX(const char* pLine, int nLength, double dX, double dCellWidth, int nTabSize);
    // Tab size whose stops fall nFirstStopTwips apart when a cell is
    // dCellPixels wide at nDpi dots per inch (at least 1).
    static int TabSizeFromStop(LONG nFirstStopTwips, double dCellPixels, int nDpi);
    // Appends the UTF-8 bytes of code point ch (invalid ones as U+FFFD).
    static void AppendUtf8(CString& str, char32_t ch);
    // Next tab column after nColumn.
    static int NextTabColumn(int nColumn, int nTabSize) { return (nColumn / nTabSize + 1) * nTabSize; }
};
