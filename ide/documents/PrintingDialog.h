// CPrintingDialog: the modeless window shown while a document prints: the
// document's name, the printer, its port, the page being printed and a
// Cancel button. The printing loop polls IsCancelled between pages.
#pragma once

#include <QDialog>

class QLabel;

class CPrintingDialog : public QDialog {
    Q_OBJECT
public:
    CPrintingDialog(const QString& strDocument, const QString& strPrinter, const QString& strPort,
                    QWidget* pParent = nullptr);

    // Shows the number (from 1) of the page being printed.
    void SetPage(int nPage);
    // True once the user pressed Cancel or closed the window.
    bool IsCancelled() const { return m_bCancelled; }

protected:
    void reject() override;

private:
    QLabel* m_pPage;
    bool m_bCancelled = false;
};
