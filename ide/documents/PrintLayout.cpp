#include "PrintLayout.h"

#include "RichEditCtrl.h"
#include "TextColumns.h"

#include <algorithm>

int CPrintLayout::PageTwips(int nDeviceUnits, int nDpi)
{
    if (nDpi <= 0 || nDeviceUnits <= 0)
        return 0;
    return nDeviceUnits / nDpi * 1440;
}

int CPrintLayout::TwipsToDevice(int nTwips, int nDpi)
{
    if (nTwips <= 0 || nDpi <= 0)
        return 0;
    return static_cast<int>(static_cast<long long>(nTwips) * nDpi / 1440);
}

std::vector<int> CPrintLayout::WrapLine(const char* pLine, int nLength, int nColumns, int nTabSize)
{
    nColumns = std::max(1, nColumns);
    nTabSize = std::max(1, nTabSize);
    std::vector<int> starts{0};
    int nColumn = 0;
    for (int i = 0; i < nLength;) {
        const bool bTab = pLine[i] == '\t';
        const int nChar = bTab ? 1 : CTextColumns::CharLength(pLine + i, nLength - i);
        int nNext = bTab ? CTextColumns::NextTabColumn(nColumn, nTabSize) : nColumn + 1;
        if (nNext > nColumns && nColumn > 0) {
            // The character starts the next row; a tab there reaches its
            // first stop (at most the row's width).
            starts.push_back(i);
            nColumn = 0;
            nNext = bTab ? std::min(nTabSize, nColumns) : 1;
        }
        nColumn = nNext;
        i += nChar;
    }
    return starts;
}

std::vector<CPrintLayout::CRow> CPrintLayout::Rows(const CRichEditCtrl& ctrl, int nColumns, int nTabSize)
{
    std::vector<CRow> rows;
    const int nLines = ctrl.GetLineCount();
    rows.reserve(static_cast<size_t>(nLines));
    CString strLine;
    for (int nLine = 0; nLine < nLines; ++nLine) {
        const LONG nStart = ctrl.LineIndex(nLine);
        if (nStart < 0)
            break;
        const int nLength = ctrl.LineLength(nStart);
        ctrl.GetTextRange(nStart, nStart + nLength, strLine);
        const std::vector<int> starts = WrapLine(strLine.c_str(), strLine.GetLength(), nColumns, nTabSize);
        for (size_t i = 0; i < starts.size(); ++i) {
            const LONG nEnd = i + 1 < starts.size() ? starts[i + 1] : strLine.GetLength();
            rows.push_back(CRow{nStart + starts[i], nStart + nEnd});
        }
    }
    return rows;
}

std::vector<CPrintLayout::CPage> CPrintLayout::Paginate(int nRowCount, int nRowsPerPage)
{
    nRowsPerPage = std::max(1, nRowsPerPage);
    std::vector<CPage> pages;
    for (int nFirst = 0; nFirst < nRowCount; nFirst += nRowsPerPage)
        pages.push_back(CPage{nFirst, std::min(nRowsPerPage, nRowCount - nFirst)});
    if (pages.empty())
        pages.push_back(CPage{0, 0});
    return pages;
}

CString CPrintLayout::HeaderText(const char* pszDate, const char* pszPath, int nPage)
{
    CString strHeader;
    strHeader.Format("Date : %s / %s / Page : %d ", pszDate, pszPath, nPage);
    return strHeader;
}

CString CPrintLayout::DateText(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char szDate[64];
    size_t nLength = std::strftime(szDate, sizeof(szDate), "%m/%d/%y  %H:%M", &local);
    return CString(szDate, static_cast<int>(nLength));
}

CString CPrintLayout::Dump(const CRichEditCtrl& ctrl, const std::vector<CRow>& rows, const std::vector<CPage>& pages)
{
    CString strDump;
    for (size_t nPage = 0; nPage < pages.size(); ++nPage) {
        const CPage& page = pages[nPage];
        CString strLine;
        if (page.nRowCount == 0) {
            strLine.Format("page %d: empty\n", static_cast<int>(nPage) + 1);
        } else {
            const CRow& first = rows[static_cast<size_t>(page.nFirstRow)];
            const CRow& last = rows[static_cast<size_t>(page.nFirstRow + page.nRowCount - 1)];
            strLine.Format("page %d: rows %d-%d (lines %d-%d)\n", static_cast<int>(nPage) + 1, page.nFirstRow,
                           page.nFirstRow + page.nRowCount - 1, ctrl.LineFromChar(first.nStart),
                           ctrl.LineFromChar(last.nStart));
        }
        strDump += strLine;
    }
    return strDump;
}
