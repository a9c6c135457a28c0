// CClassDialog: the class wizard's class dialog: the new class's name (OK
// only while it is not empty), the parent's name (its field disabled when
// empty), the constructor box, and a check list of every interface of the
// package index. CInterfaceDialog: the new interface's name and its parent's.
#pragma once

#include <QDialog>
#include <vector>

class CVarInterface;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class CClassDialog : public QDialog {
    Q_OBJECT
public:
    CClassDialog(const QString& strName, const QString& strParent, bool bConstructor,
                 const std::vector<CVarInterface*>& interfaces, QWidget* pParent = nullptr);

    QString GetName() const;
    bool WantsConstructor() const;
    // The checked interfaces in list order.
    std::vector<CVarInterface*> GetInterfaces() const;

    QLineEdit* m_pName;
    QLineEdit* m_pParentName;
    QCheckBox* m_pConstructor;
    QListWidget* m_pInterfaces;
    QPushButton* m_pOk;
};

class CInterfaceDialog : public QDialog {
    Q_OBJECT
public:
    CInterfaceDialog(const QString& strParent, QWidget* pParent = nullptr);

    QString GetName() const;

    QLineEdit* m_pName;
    QLineEdit* m_pParentName;
    QPushButton* m_pOk;
};
