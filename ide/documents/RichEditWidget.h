// CRichEditWidget: shows a CRichEditCtrl and turns the user's keys and mouse
// into calls on it. The control is the only holder of text, formats,
// selection and first visible line; the widget paints what it hears through
// IRichEditObserver. Text is drawn on a grid of monospace cells, each line
// decoded from UTF-8 while positions stay byte positions.
#pragma once

#include "RichEditObserver.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QTimer>

#include <vector>

class CRichEditCtrl;

class CRichEditWidget : public QAbstractScrollArea, public IRichEditObserver {
    Q_OBJECT
public:
    explicit CRichEditWidget(QWidget* pParent = nullptr);
    ~CRichEditWidget() override;

    // Shows pCtrl (not owned; it must outlive the widget or be replaced
    // first); null shows nothing.
    void SetEditCtrl(CRichEditCtrl* pCtrl);
    CRichEditCtrl* GetEditCtrl() const { return m_pCtrl; }

    // Tab size in cells used while the control has no tab stops of its own.
    void SetTabSize(int nTabSize);
    // Tab size in force: from the control's first tab stop, else the one set.
    int GetTabSize() const;

    // Font the text is drawn in; runs add bold, italic and underline.
    void SetEditorFont(const QFont& font);
    const QFont& GetEditorFont() const { return m_font; }
    // The editor face "courier" as fontconfig resolves it, or "DejaVu Sans
    // Mono" when that is not monospace.
    static QFont DefaultEditorFont(int nPointSize = 10);

    // Cell width and line height in pixels.
    double GetCellWidth() const { return m_dCellWidth; }
    int GetLineHeight() const { return m_nLineHeight; }
    // Viewport point of the top left of column 0 of the first visible line.
    QPoint GetTextOrigin() const;
    // Position of the character boundary nearest to a viewport point.
    LONG PositionFromPoint(const QPoint& pt) const;

    // Colour of a COLORREF (0x00BBGGRR).
    static QColor ToColor(COLORREF cr);

    // IRichEditObserver
    void OnTextChanged(LONG nPos, LONG nRemoved, LONG nInserted) override;
    void OnFormatChanged(LONG nStart, LONG nEnd) override;
    void OnSelectionChanged(LONG nStart, LONG nEnd, LONG nCaret) override;
    void OnDisplayChanged() override;
    void OnScrollCaret() override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void scrollContentsBy(int nDx, int nDy) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void inputMethodEvent(QInputMethodEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
    bool focusNextPrevChild(bool bNext) override;

private:
    struct CSegment;

    void PaintLine(QPainter& painter, int nLine, int nY, LONG nSelStart, LONG nSelEnd);
    void DrawSegment(QPainter& painter, const CSegment& seg, const QString& strText, int nBaseline);
    bool HandleMotionKey(QKeyEvent* pEvent);
    bool HandleEditKey(QKeyEvent* pEvent);
    // Moves the caret to nPos, the anchor staying when bExtend.
    void MoveCaret(LONG nPos, bool bExtend);
    // The end of the selection that stays when the caret moves.
    LONG GetAnchor() const;
    void InsertText(const QString& strText);
    void DeleteFrom(LONG nOther);
    int GetVisibleLineCount() const;
    void UpdateScrollBars();
    void UpdateTabSize();
    void Repaint();
    QRect CaretRect() const;
    void RestartCaretBlink();
    void OnDragTimer();

    CRichEditCtrl* m_pCtrl = nullptr;
    QFont m_font;
    QFont m_styledFonts[8];       // index: bold 1, italic 2, underline 4
    double m_dCellWidth = 8;
    int m_nLineHeight = 16;
    int m_nAscent = 12;
    int m_nTabSize = 4;
    int m_nEffectiveTabSize = 4;
    int m_nWidestColumns = 0;     // widest line painted so far, for the horizontal range
    int m_nGoalColumn = 0;        // column kept while the caret moves up and down
    LONG m_nGoalCaret = -1;       // caret the goal column belongs to
    LONG m_nDragAnchor = -1;      // anchor of a mouse selection, -1: no drag
    bool m_bCaretOn = true;
    QTimer m_caretTimer;
    QTimer m_dragTimer;
    QPoint m_dragPoint;           // last mouse point of a drag, viewport coordinates
    std::vector<DWORD> m_runs;    // scratch for painting
};
