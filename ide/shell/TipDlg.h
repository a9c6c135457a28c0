// CTipDlg: Tip of the Day: one tip of the tips file at a time, Next Tip
// for the following one, and the "Show tips at start-up" check box that
// sets "Tip" of "Editor". When it closes, the place of the next tip and the
// check box are written to the settings file.
#pragma once

#include "TipFile.h"

#include <QDialog>

class CJavaIDEApp;
class QCheckBox;
class QLabel;
class QPushButton;

class CTipDlg : public QDialog {
    Q_OBJECT
public:
    CTipDlg(CJavaIDEApp& app, QWidget* pParent = nullptr);

    // Shows the dialog modal to pParent without waiting for it (it deletes
    // itself when closed); bStartup when it is the start-up's tip. Returns it.
    static CTipDlg* Run(QWidget* pParent, CJavaIDEApp& app, BOOL bStartup);

    // Shows the next tip.
    void OnNextTip();
    QString GetTipText() const;
    QCheckBox* GetShowAtStartup() const { return m_pShowAtStartup; }
    QPushButton* GetNextButton() const { return m_pNext; }
    const CTipFile& GetTipFile() const { return m_tipFile; }

    // Writes the tip position and the check box, then closes.
    void done(int nResult) override;

private:
    CJavaIDEApp& m_app;
    CTipFile m_tipFile;
    QLabel* m_pTip;
    QCheckBox* m_pShowAtStartup;
    QPushButton* m_pNext;
};
