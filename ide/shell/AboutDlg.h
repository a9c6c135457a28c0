// CAboutDlg: About Mosk: the program's name and version, what it is, and
// the versions of the toolkit it was built with and runs on.
#pragma once

#include <QDialog>

class QLabel;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);

    // Runs the dialog modally.
    static void Run(QWidget* pParent);

    // The text the dialog shows, without markup.
    QString GetText() const;

private:
    QLabel* m_pText;
};
