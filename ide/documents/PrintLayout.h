// CPrintLayout: where a control's text falls on printed pages, without a
// printer. Every line of the text becomes one or more rows: a line wider
// than the text rectangle wraps at a character boundary, so nothing is cut
// off at the right edge; a tab reaches the next multiple of the tab size
// counted from the row's start. Pages take rows in order, as many as fit.
// Page sizes follow the device: whole inches of it in twips (1/1440 inch).
#pragma once

#include "String.h"

#include <ctime>
#include <vector>

class CRichEditCtrl;

class CPrintLayout {
public:
    // Byte range [nStart, nEnd) of the control's text one printed row shows
    // (never a line end).
    struct CRow {
        LONG nStart;
        LONG nEnd;
    };
    // Rows [nFirstRow, nFirstRow + nRowCount) of the row list.
    struct CPage {
        int nFirstRow;
        int nRowCount;
    };

    // Twips of a page side nDeviceUnits long at nDpi: whole inches times 1440.
    static int PageTwips(int nDeviceUnits, int nDpi);
    // Device units of nTwips at nDpi (rounded down; negative gives 0).
    static int TwipsToDevice(int nTwips, int nDpi);

    // Byte offsets inside one line (without its line end) where its rows
    // start: 0 first, one more for every wrap at nColumns cells.
    static std::vector<int> WrapLine(const char* pLine, int nLength, int nColumns, int nTabSize);
    // The rows of the whole text, in order; an empty line is one empty row.
    static std::vector<CRow> Rows(const CRichEditCtrl& ctrl, int nColumns, int nTabSize);
    // Pages of nRowsPerPage rows (at least 1); always at least one page,
    // so that an empty text still prints its header.
    static std::vector<CPage> Paginate(int nRowCount, int nRowsPerPage);

    // "Date : %s / %s / Page : %d " with the date text, the path and the
    // page number counted from 1.
    static CString HeaderText(const char* pszDate, const char* pszPath, int nPage);
    // The moment as local time "%m/%d/%y  %H:%M".
    static CString DateText(std::time_t when);

    // Pages as text ("page 1: rows 0-41 (lines 0-40)"), for tests.
    static CString Dump(const CRichEditCtrl& ctrl, const std::vector<CRow>& rows, const std::vector<CPage>& pages);
};
