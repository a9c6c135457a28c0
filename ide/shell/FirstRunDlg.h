// CFirstRunDlg: the information shown at start-up while the JDK
// documentation folder is not set: what the folders are for and that the
// Directories dialog follows; a check box asks not to show it again.
#pragma once

#include <QDialog>

class QCheckBox;

class CFirstRunDlg : public QDialog {
    Q_OBJECT
public:
    explicit CFirstRunDlg(QWidget* pParent = nullptr);

    // Runs the dialog modally; bDontShowAgain tells whether the check box was ticked.
    static void Run(QWidget* pParent, bool& bDontShowAgain);

    QCheckBox* GetDontShowAgain() const { return m_pDontShowAgain; }

private:
    QCheckBox* m_pDontShowAgain;
};
