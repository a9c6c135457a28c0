// CIntrospectionDialog: the progress dialog of Add Class and Add Bean. It
// starts its queue when it opens, shows the queue's caption, polls the
// helper every 50 ms and closes with OK when the queue is done, as
// cancelled when it was cancelled; its Cancel button terminates the helper.
#pragma once

#include <QDialog>
#include <QTimer>

class CIntrospectionQueue;
class QLabel;
class QPushButton;

class CIntrospectionDialog : public QDialog {
    Q_OBJECT
public:
    // queue (not owned) must outlive the dialog.
    CIntrospectionDialog(CIntrospectionQueue& queue, QWidget* pParent = nullptr);

    // Runs the queue modally: QDialog::Accepted when it was done.
    int exec() override;
    QPushButton* GetCancelButton() const { return m_pCancel; }

protected:
    void reject() override;

private:
    void OnTimer();
    // Shows the caption; closes when the queue has ended.
    void Follow(int nState);

    CIntrospectionQueue& m_queue;
    QLabel* m_pLabel;
    QPushButton* m_pCancel;
    QTimer m_timer;
};
