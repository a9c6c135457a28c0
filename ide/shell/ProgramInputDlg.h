// CProgramInputDlg: the modeless program input window (Input Window...): a
// text field whose drop-down list holds the lines sent, and Send, which
// hands the line to the running program's standard input. It shows and
// hides as its model opens and closes (the model closes when the program ends).
#pragma once

#include "WinTypes.h"

#include <QDialog>

class CProgramInputModel;
class QComboBox;
class QPushButton;

class CProgramInputDlg : public QDialog {
    Q_OBJECT
public:
    // model (not owned) must outlive the dialog.
    explicit CProgramInputDlg(CProgramInputModel& model, QWidget* pParent = nullptr);
    ~CProgramInputDlg() override;

    // Send: the field's text goes to the program; FALSE when nothing was written.
    BOOL Send();
    QComboBox* GetField() const { return m_pField; }
    QPushButton* GetSendButton() const { return m_pSend; }

protected:
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void FillHistory();

    CProgramInputModel& m_model;
    QComboBox* m_pField;
    QPushButton* m_pSend;
};
