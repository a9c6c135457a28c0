// CColorDlg: the "Color Options" dialog over CColorOptions: the Type list
// (the formats by name), the Font Style list, the text sample "S a m p l e"
// in the selected format's colour and style on the working background, the
// background swatch, and "Color...", "...", "Default", OK and Cancel.
#pragma once

#include "ColorOptions.h"

#include <QDialog>
#include <QFont>

#include <functional>

class CTextFormat;
class QComboBox;
class QPushButton;

// "ColorWnd": a control that paints its client area in a colour and, for
// the sample, the text centred on it in a colour and font.
class CColorWnd : public QWidget {
    Q_OBJECT
public:
    explicit CColorWnd(QWidget* pParent = nullptr) : QWidget(pParent) {}
    void SetBackground(COLORREF clr) { m_clrBack = clr; update(); }
    void SetText(const QString& strText, COLORREF clrText, const QFont& font);
    COLORREF GetBackground() const { return m_clrBack; }
    COLORREF GetTextColor() const { return m_clrText; }
    const QFont& GetTextFont() const { return m_font; }

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    COLORREF m_clrBack = RGB(255, 255, 255);
    COLORREF m_clrText = RGB(0, 0, 0);
    QString m_strText;
    QFont m_font;
};

class CColorDlg : public QDialog {
    Q_OBJECT
public:
    // options (not owned) outlives the dialog; editorFont is the program's editor font.
    CColorDlg(CColorOptions& options, const QFont& editorFont, COLORREF clrSystemWindow, QWidget* pParent = nullptr);

    // The colour dialog: starting colour in, TRUE and the chosen colour out (tests replace it).
    using ColorChooser = std::function<BOOL(COLORREF clrStart, COLORREF& clrChosen)>;
    void SetColorChooser(ColorChooser fn) { m_fnChoose = std::move(fn); }

    CTextFormat* GetSelectedFormat() const;
    QComboBox* GetTypeList() const { return m_pType; }
    QComboBox* GetStyleList() const { return m_pStyle; }
    CColorWnd* GetSample() const { return m_pSample; }
    CColorWnd* GetSwatch() const { return m_pSwatch; }

    void OnTypeChanged();
    void OnStyleChanged(int nStyle);
    void OnTextColor();        // "Color..."
    void OnBackgroundColor();  // "..."
    void OnDefault();          // "Default"
    // OK: applies the options, then closes.
    void accept() override;

private:
    void RefreshSample();

    CColorOptions& m_options;
    QFont m_editorFont;
    COLORREF m_clrSystemWindow;
    ColorChooser m_fnChoose;
    QComboBox* m_pType;
    QComboBox* m_pStyle;
    CColorWnd* m_pSample;
    CColorWnd* m_pSwatch;
};
