// CRmiDlg: the modeless RMI compiler dialog over CRmiOptions: its switches,
// the output, skeleton and stub folders, custom options and the classes to
// compile. OK hands the values to the tool commands, which save them and
// run the RMI compiler in the output window; refused, the dialog stays.
#pragma once

#include "String.h"
#include "WinTypes.h"

#include <QDialog>

#include <functional>
#include <utility>
#include <vector>

class CRmiOptions;
class QCheckBox;
class QLineEdit;
class QListWidget;

class CRmiDlg : public QDialog {
    Q_OBJECT
public:
    CRmiDlg(const CRmiOptions& options, std::function<BOOL(const CRmiOptions&)> fnOK, QWidget* pParent = nullptr);
    ~CRmiDlg() override;

    void GetOptions(CRmiOptions& options) const;
    void accept() override;
    // Adds the class name typed in the class field to the list.
    void AddClass();
    void RemoveSelected();
    QListWidget* GetClasses() const { return m_pClasses; }

private:
    std::function<BOOL(const CRmiOptions&)> m_fnOK;
    std::vector<std::pair<QCheckBox*, int CRmiOptions::*>> m_switches;
    std::vector<std::pair<QLineEdit*, CString CRmiOptions::*>> m_texts;
    QLineEdit* m_pClass;
    QListWidget* m_pClasses;
};
