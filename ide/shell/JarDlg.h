// CJarDlg: the modeless archive dialog of Make Jar and Make Bean over
// CJarOptions: the output archive, the manifest, the one-letter switches,
// custom options and the files to store. OK hands the values to the tool
// commands, which save them and run the archive tool in the output window;
// the dialog stays open when that is refused.
#pragma once

#include "WinTypes.h"

#include <QDialog>

#include <functional>

class CJarOptions;
class QCheckBox;
class QLineEdit;
class QListWidget;

class CJarDlg : public QDialog {
    Q_OBJECT
public:
    // Shows options; fnOK runs the tool with the edited values and answers
    // whether the dialog may close.
    CJarDlg(const QString& strTitle, const CJarOptions& options, std::function<BOOL(const CJarOptions&)> fnOK,
            QWidget* pParent = nullptr);
    ~CJarDlg() override;

    // The values as the fields show them.
    void GetOptions(CJarOptions& options) const;
    void accept() override;
    // Asks for files to store (several at once); the number added.
    int AddFiles();
    void RemoveSelected();
    QListWidget* GetFiles() const { return m_pFiles; }

private:
    std::function<BOOL(const CJarOptions&)> m_fnOK;
    QLineEdit* m_pOutput;
    QCheckBox* m_pSpecify;
    QCheckBox* m_pManifestOn;
    QLineEdit* m_pManifest;
    QCheckBox* m_pCreate;
    QCheckBox* m_pVerbose;
    QCheckBox* m_pNoManifestEntries;
    QCheckBox* m_pNoCompression;
    QCheckBox* m_pCustom;
    QLineEdit* m_pCustomOptions;
    QListWidget* m_pFiles;
};
