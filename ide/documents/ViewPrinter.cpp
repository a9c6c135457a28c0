#include "ViewPrinter.h"

#include "PrintLayout.h"
#include "PrintingDialog.h"
#include "RichEditCtrl.h"
#include "RunCursor.h"
#include "TextColumns.h"
#include "UserInterface.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace {

// Header rectangle: the page less this many device units in each direction.
constexpr int HEADER_INSET = 100;

QColor ColorOf(const CHARFORMAT& cf)
{
    if (cf.dwEffects & CFE_AUTOCOLOR)
        return Qt::black;
    return QColor(GetRValue(cf.crTextColor), GetGValue(cf.crTextColor), GetBValue(cf.crTextColor));
}

int StyleOf(const CHARFORMAT& cf)
{
    return ((cf.dwEffects & CFE_BOLD) ? 1 : 0) | ((cf.dwEffects & CFE_ITALIC) ? 2 : 0)
        | ((cf.dwEffects & CFE_UNDERLINE) ? 4 : 0);
}

// Draws one printed row: runs of equal format as one string each, every
// character on its own cell of the grid, tabs as gaps.
class CRowPainter {
public:
    CRowPainter(QPainter& painter, const CRichEditCtrl& ctrl, const QFont& font, double dCellWidth, int nTabSize)
        : m_painter(painter), m_ctrl(ctrl), m_dCellWidth(dCellWidth), m_nTabSize(nTabSize)
    {
        for (int i = 0; i < 8; ++i) {
            m_fonts[i] = font;
            m_fonts[i].setBold(i & 1);
            m_fonts[i].setItalic(i & 2);
            m_fonts[i].setUnderline(i & 4);
        }
    }

    void Draw(const CPrintLayout::CRow& row, double dX0, double dBaseline)
    {
        m_ctrl.GetTextRange(row.nStart, row.nEnd, m_strRow);
        m_runs.clear();
        m_ctrl.GetFormatRuns(row.nStart, row.nEnd, m_runs);
        const char* pText = m_strRow.c_str();
        const int nLength = m_strRow.GetLength();
        CRunCursor run(m_runs);
        int nSegFormat = -1, nSegColumn = 0;
        QString strSeg;
        auto flush = [&] {
            if (!strSeg.isEmpty())
                DrawSegment(nSegFormat, strSeg, dX0 + nSegColumn * m_dCellWidth, dBaseline);
            strSeg.clear();
        };
        int nColumn = 0;
        for (int i = 0; i < nLength;) {
            const bool bTab = pText[i] == '\t';
            const int nChar = bTab ? 1 : CTextColumns::CharLength(pText + i, nLength - i);
            const bool bWide = static_cast<unsigned char>(pText[i]) >= 0x80;
            if (bTab || bWide || run.GetFormat() != nSegFormat) {
                flush();
                nSegFormat = run.GetFormat();
                nSegColumn = nColumn;
            }
            if (!bTab) {
                char32_t cp = CTextColumns::Decode(pText + i, nLength - i);
                if (cp < 0x20 || cp == 0x7F)
                    cp = 0xB7;
                strSeg += QStringView(QChar::fromUcs4(cp));
                if (bWide)
                    flush();
            }
            nColumn = bTab ? CTextColumns::NextTabColumn(nColumn, m_nTabSize) : nColumn + 1;
            run.Advance(nChar);
            i += nChar;
        }
        flush();
    }

private:
    void DrawSegment(int nFormat, const QString& strText, double dX, double dBaseline)
    {
        const CCharFormatTable& table = m_ctrl.GetFormatTable();
        QColor color = Qt::black;
        int nStyle = 0;
        if (nFormat >= 0 && nFormat < table.GetCount()) {
            color = ColorOf(table.GetAt(nFormat));
            nStyle = StyleOf(table.GetAt(nFormat));
        }
        m_painter.setFont(m_fonts[nStyle]);
        m_painter.setPen(color);
        m_painter.drawText(QPointF(dX, dBaseline), strText);
    }

    QPainter& m_painter;
    const CRichEditCtrl& m_ctrl;
    double m_dCellWidth;
    int m_nTabSize;
    QFont m_fonts[8];
    CString m_strRow;
    std::vector<DWORD> m_runs;
};

QString DocumentName(const CString& strPath)
{
    if (strPath.IsEmpty())
        return QStringLiteral("Untitled");
    return QFileInfo(QString::fromUtf8(strPath.c_str())).fileName();
}

QString PortOf(const QPrinter& printer)
{
    if (!printer.outputFileName().isEmpty())
        return printer.outputFileName();
    QString strLocation = QPrinterInfo::printerInfo(printer.printerName()).location();
    return strLocation.isEmpty() ? printer.printerName() : strLocation;
}

}  // namespace

QFont CViewPrinter::HeaderFont()
{
    QFont font(QStringLiteral("Courier"), 25);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(25);
    }
    return font;
}

BOOL CViewPrinter::PrintPages(QPrinter& printer, const CRichEditCtrl& ctrl, const QFont& font, int nTabSize,
                              const CString& strPath, const QDateTime& when, CPrintingDialog* pDialog,
                              CString& strError)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        strError = "Cannot print on " + CString(printer.printerName().toUtf8().constData()) + " !!!";
        return FALSE;
    }
    // Device units of the printable area, as the device reports them.
    const int nWidth = printer.width();
    const int nHeight = printer.height();
    const int nDpiX = printer.logicalDpiX();
    const int nDpiY = printer.logicalDpiY();
    int nTextWidth = CPrintLayout::TwipsToDevice(CPrintLayout::PageTwips(nWidth, nDpiX) - 720, nDpiX);
    int nTextHeight = CPrintLayout::TwipsToDevice(CPrintLayout::PageTwips(nHeight, nDpiY) - 144, nDpiY);
    if (nTextWidth <= 0)
        nTextWidth = nWidth;   // a page narrower than the margins: all of it
    if (nTextHeight <= 0)
        nTextHeight = nHeight;
    const int nTextLeft = (nWidth - nTextWidth) / 2;
    const int nTop = (nHeight - nTextHeight) / 2;

    const QFont headerFont = HeaderFont();
    const QRectF headerRect(HEADER_INSET / 2, HEADER_INSET / 2, std::max(1, nWidth - HEADER_INSET),
                            std::max(1, nHeight - HEADER_INSET));
    QTextOption headerOption(Qt::AlignLeft | Qt::AlignTop);
    headerOption.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const CString strDate = CPrintLayout::DateText(static_cast<std::time_t>(when.toSecsSinceEpoch()));
    auto header = [&](int nPage) {
        return QString::fromUtf8(CPrintLayout::HeaderText(strDate.c_str(), strPath.c_str(), nPage).c_str());
    };
    // A long path wraps the header: the text starts below its tallest form.
    painter.setFont(headerFont);
    const QRectF headerBound = painter.boundingRect(headerRect, header(65535), headerOption);

    const QFontMetricsF metrics(font, &printer);
    const double dCellWidth = std::max(1.0, metrics.horizontalAdvance(QLatin1Char('M')));
    const double dLineHeight = std::max(1.0, metrics.lineSpacing());
    const int nTextTop = std::max(nTop, static_cast<int>(std::ceil(headerBound.bottom() + dLineHeight / 2)));
    const int nTextBottom = std::max(nTextTop + 1, nTop + nTextHeight);

    int nTabs = std::max(1, nTabSize);
    PARAFORMAT pf{};
    ctrl.GetParaFormat(pf);
    if (pf.cTabCount > 0)
        nTabs = CTextColumns::TabSizeFromStop(pf.rgxTabs[0], dCellWidth, nDpiX);

    const int nColumns = std::max(1, static_cast<int>(nTextWidth / dCellWidth));
    const int nRowsPerPage = std::max(1, static_cast<int>((nTextBottom - nTextTop) / dLineHeight));
    const std::vector<CPrintLayout::CRow> rows = CPrintLayout::Rows(ctrl, nColumns, nTabs);
    const std::vector<CPrintLayout::CPage> pages = CPrintLayout::Paginate(static_cast<int>(rows.size()), nRowsPerPage);

    int nFrom = 1, nTo = static_cast<int>(pages.size());
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        nFrom = std::max(1, printer.fromPage());
        if (printer.toPage() > 0)
            nTo = std::min(nTo, printer.toPage());
    }

    CRowPainter rowPainter(painter, ctrl, font, dCellWidth, nTabs);
    const double dAscent = metrics.ascent();
    for (int nPage = nFrom; nPage <= nTo; ++nPage) {
        if (pDialog) {
            pDialog->SetPage(nPage);
            QApplication::processEvents();
            if (pDialog->IsCancelled()) {
                printer.abort();
                painter.end();
                return FALSE;
            }
        }
        if (nPage > nFrom && !printer.newPage()) {
            painter.end();
            strError = "Cannot print page " + CString(std::to_string(nPage)) + " !!!";
            return FALSE;
        }
        painter.setFont(headerFont);
        painter.setPen(Qt::black);
        painter.drawText(headerRect, header(nPage), headerOption);
        const CPrintLayout::CPage& page = pages[static_cast<size_t>(nPage - 1)];
        for (int i = 0; i < page.nRowCount; ++i) {
            const double dY = nTextTop + i * dLineHeight;
            rowPainter.Draw(rows[static_cast<size_t>(page.nFirstRow + i)], nTextLeft, dY + dAscent);
        }
    }
    if (!painter.end()) {
        strError = "Cannot finish printing !!!";
        return FALSE;
    }
    return TRUE;
}

BOOL CViewPrinter::Print(QWidget* pParent, const CRichEditCtrl& ctrl, const QFont& font, int nTabSize,
                         const CString& strPath)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, pParent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, 65535);
    if (dialog.exec() != QDialog::Accepted)
        return FALSE;

    QWidget* pMain = pParent ? pParent->window() : nullptr;
    // Not a child of the main window, which is disabled while printing.
    CPrintingDialog progress(DocumentName(strPath), printer.printerName(), PortOf(printer));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.show();
    if (pMain)
        pMain->setEnabled(false);
    CString strError;
    BOOL bPrinted = PrintPages(printer, ctrl, font, nTabSize, strPath, QDateTime::currentDateTime(), &progress,
                               strError);
    if (pMain)
        pMain->setEnabled(true);
    progress.hide();
    if (!bPrinted && !strError.IsEmpty())
        AfxMessageBox(strError, MB_OK | MB_ICONSTOP);
    return bPrinted;
}

BOOL CViewPrinter::PrintToPdf(const CRichEditCtrl& ctrl, const QFont& font, int nTabSize, const CString& strPath,
                              const QString& strPdfFile, const QDateTime& when, CString& strError)
{
    // Printed beside the target, which is replaced only by a whole file.
    QTemporaryFile partial(strPdfFile + QStringLiteral(".XXXXXX"));
    if (!partial.open()) {
        strError = "Cannot write " + CString(strPdfFile.toUtf8().constData()) + " !!!";
        return FALSE;
    }
    partial.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(partial.fileName());
    printer.setDocName(DocumentName(strPath));
    if (!PrintPages(printer, ctrl, font, nTabSize, strPath, when, nullptr, strError))
        return FALSE;
    const QByteArray from = QFile::encodeName(partial.fileName());
    const QByteArray to = QFile::encodeName(strPdfFile);
    if (std::rename(from.constData(), to.constData()) != 0) {
        strError = "Cannot write " + CString(strPdfFile.toUtf8().constData()) + " !!!";
        return FALSE;
    }
    partial.setAutoRemove(false);
    return TRUE;
}
