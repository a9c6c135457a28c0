// CViewPrinter: prints the text of a rich-edit control (its colours and
// font styles, in the editor's font, tabs at the tab stops) page by page,
// each page under a header line that names the date, the file's path and
// the page number. Print asks the user first (the print dialog) and shows
// the printing window meanwhile; PrintToPdf writes a PDF file without any
// window, for users without a printer and for tests.
#pragma once

#include "String.h"

#include <QDateTime>
#include <QFont>

class CPrintingDialog;
class CRichEditCtrl;
class QPainter;
class QPrinter;
class QWidget;

class CViewPrinter {
public:
    // Shows the print dialog over pParent and prints on the printer chosen,
    // with the main window disabled and a window that can cancel; FALSE when
    // the user cancelled or printing failed (the failure is shown).
    static BOOL Print(QWidget* pParent, const CRichEditCtrl& ctrl, const QFont& font, int nTabSize,
                      const CString& strPath);
    // Prints into the PDF file strPdfFile (replaced whole, or left as it was
    // on failure) with the header dated when; FALSE with strError on failure.
    static BOOL PrintToPdf(const CRichEditCtrl& ctrl, const QFont& font, int nTabSize, const CString& strPath,
                           const QString& strPdfFile, const QDateTime& when, CString& strError);
    // The header's font: "Courier" at 25 points, else the monospace default.
    static QFont HeaderFont();

private:
    // The page loop on a printer already set up; pDialog (may be null) shows
    // the page and can cancel. FALSE with strError on failure, FALSE with an
    // empty strError after a cancel.
    static BOOL PrintPages(QPrinter& printer, const CRichEditCtrl& ctrl, const QFont& font, int nTabSize,
                           const CString& strPath, const QDateTime& when, CPrintingDialog* pDialog,
                           CString& strError);
};
