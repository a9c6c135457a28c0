// Helpers of the dialog tests: an application object over a temporary
// settings and data folder, the dialog buttons, and a hand for the modal
// dialog that opens next.
#pragma once

#include "AppFolders.h"
#include "FixedSystemColors.h"
#include "JavaIDEApp.h"
#include "Profile.h"
#include "TempFolder.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

// A temporary folder that is the program's settings and data folder.
class CDialogsFolder {
public:
    CDialogsFolder()
    {
        m_folder.SetAsAppFolders();
        CAppFolders::EnsureFolder(m_folder.File("config"));
        CAppFolders::EnsureFolder(m_folder.File("data"));
    }
    // Writes "mosk.ini" in the settings folder; returns the profile over it.
    CProfile& WriteIni(const std::string& strText)
    {
        m_folder.Write("config/mosk.ini", strText);
        return CProfile::App();
    }
    // A sub-folder made for the test; returns its path.
    CString MakeFolder(const char* pszName) const
    {
        CAppFolders::EnsureFolder(m_folder.File(pszName));
        return m_folder.File(pszName);
    }
    const CTempFolder& Folder() const { return m_folder; }

private:
    CTempFolder m_folder;
};

// An application object with fixed system colours that counts what reaches the views.
class CDialogsApp : public CJavaIDEApp {
public:
    CDialogsApp() : CJavaIDEApp(s_colors) {}
    int m_nViewUpdates = 0;
    int m_nFontUpdates = 0;

protected:
    void ApplyEditorSettingsToViews() override { ++m_nViewUpdates; }
    void ApplyEditorFontToViews() override { ++m_nFontUpdates; }

private:
    static inline const CFixedSystemColors s_colors;
};

// The button of a dialog's button box with the role of nButton (Ok, Cancel, Close).
inline QAbstractButton* DialogButton(QWidget* pDialog, QDialogButtonBox::StandardButton nButton)
{
    for (QDialogButtonBox* pBox : pDialog->findChildren<QDialogButtonBox*>())
        if (QAbstractButton* pButton = pBox->button(nButton))
            return pButton;
    return nullptr;
}

// Runs fnAct on the next modal dialog of type T once it is up (from the
// event loop of its exec); fails the test when none comes within two seconds.
template <class T>
void WhenModal(std::function<void(T*)> fnAct, bool* pSeen = nullptr)
{
    auto* pTimer = new QTimer;
    auto nTries = std::make_shared<int>(0);
    QObject::connect(pTimer, &QTimer::timeout, [pTimer, nTries, fnAct, pSeen] {
        if (T* pDialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            pTimer->stop();
            pTimer->deleteLater();
            if (pSeen)
                *pSeen = true;
            fnAct(pDialog);
        } else if (++*nTries > 200) {
            pTimer->stop();
            pTimer->deleteLater();
            ADD_FAILURE() << "no modal " << T::staticMetaObject.className() << " came up";
            if (QWidget* pOther = QApplication::activeModalWidget())
                if (auto* pDialog = qobject_cast<QDialog*>(pOther))
                    pDialog->reject();
        }
    });
    pTimer->start(10);
}
