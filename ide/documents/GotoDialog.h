// CGotoDialog: "Go To": asks for a line number between 1 and the number of
// lines of the text.
#pragma once

#include <QDialog>

class QSpinBox;

class CGotoDialog : public QDialog {
    Q_OBJECT
public:
    // nLineCount lines to choose from; nCurrent is proposed.
    CGotoDialog(int nLineCount, int nCurrent, QWidget* pParent = nullptr);

    int GetLine() const;
    void SetLine(int nLine);

private:
    QSpinBox* m_pLine;
};
