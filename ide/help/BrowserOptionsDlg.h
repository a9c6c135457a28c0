// CBrowserOptionsDlg: the Browser options of the help view: image loading,
// the heading, normal and fixed font faces, the sizes of headings 1 to 6
// and of normal text (6 to 72 points each), and the text, background and
// link colours. OK writes the values back into the options it was given.
#pragma once

#include "BrowserOptions.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class CBrowserOptionsDlg : public QDialog {
    Q_OBJECT
public:
    enum { COLOR_TEXT, COLOR_BACK, COLOR_LINK, COLOR_COUNT };
    enum { SIZE_DEFAULT = 6, SIZE_COUNT = 7 };  // sizes 0..5 are "Header1".."Header6"

    // options (not owned) outlives the dialog; it changes only on OK.
    explicit CBrowserOptionsDlg(CBrowserOptions& options, QWidget* pParent = nullptr);

    // The colour dialog: starting colour in, TRUE and the chosen colour out (tests replace it).
    using ColorChooser = std::function<BOOL(COLORREF clrStart, COLORREF& clrChosen)>;
    void SetColorChooser(ColorChooser fn) { m_fnChoose = std::move(fn); }
    // A colour button's click: the chooser, then the button shows the new colour.
    void OnColor(int nColor);
    // The colour a button holds now.
    COLORREF GetColor(int nColor) const { return m_clrColors[nColor]; }

    // OK: the values go into the options.
    void accept() override;

    QCheckBox* GetAutoload() const { return m_pAutoload; }
    // CHTMLClient::FONT_HEADING, FONT_NORMAL or FONT_FIXED.
    QLineEdit* GetFaceField(int nFont) const { return m_pFaces[nFont]; }
    QSpinBox* GetSizeField(int nSize) const { return m_pSizes[nSize]; }
    QPushButton* GetColorButton(int nColor) const { return m_pColors[nColor]; }

private:
    void ShowColor(int nColor);

    CBrowserOptions& m_options;
    ColorChooser m_fnChoose;
    COLORREF m_clrColors[COLOR_COUNT];
    QCheckBox* m_pAutoload;
    QLineEdit* m_pFaces[3];
    QSpinBox* m_pSizes[SIZE_COUNT];
    QPushButton* m_pColors[COLOR_COUNT];
};
