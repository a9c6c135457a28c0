// CRichEditWidget: shows a CRichEditCtrl and forwards the user's input as
// window messages to a message target (the control itself, or a view that
// wraps it). The widget never edits the model: keys become WM_KEYDOWN,
// WM_CHAR and WM_KEYUP with Windows key codes and the Shift/Ctrl/Alt state
// in CKeyState, clicks become mouse messages carrying character positions,
// clipboard shortcuts become WM_COPY/WM_CUT/WM_PASTE, and dragged text goes
// through BeginDrag/EndDrag/DropText. The control is the only holder of text,
// formats, selection and first visible line; the widget paints what it hears
// through IRichEditObserver, repainting only the lines a change touched.
// Text is drawn on a grid of monospace cells, each line decoded from UTF-8
// while positions stay byte positions.
#pragma once

#include "RichEditObserver.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QTimer>

#include <memory>
#include <vector>

class CCharacterOffsets;
class CRichEditCtrl;
class IMessageTarget;

class CRichEditWidget : public QAbstractScrollArea, public IRichEditObserver {
    Q_OBJECT
public:
    explicit CRichEditWidget(QWidget* pParent = nullptr);
    ~CRichEditWidget() override;

    // Shows pCtrl (not owned; it must outlive the widget or be replaced
    // first); null shows nothing and forwards nothing.
    void SetEditCtrl(CRichEditCtrl* pCtrl);
    CRichEditCtrl* GetEditCtrl() const { return m_pCtrl; }
    // Where input goes (not owned; it must outlive the widget or be replaced
    // first); null: the control shown.
    void SetMessageTarget(IMessageTarget* pTarget);
    // The target in force: the one set, else the control; null without a control.
    IMessageTarget* GetMessageTarget() const;

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
    // Position of the character boundary nearest to a viewport point (never
    // inside a UTF-8 sequence or a line end).
    LONG PositionFromPoint(const QPoint& pt) const;
    // Viewport rectangle of the caret: a thin bar in insert mode, one
    // character cell in overwrite mode. Empty without a control.
    QRect GetCaretRect() const;
    // Number of whole lines the viewport shows (at least 1).
    int GetVisibleLineCount() const;
    // Viewport rectangle of the character cell at nPos.
    QRect CharacterRect(LONG nPos) const { return CaretRectAt(nPos, true); }
    // Position of the start of the character under a viewport point.
    LONG CharacterFromPoint(const QPoint& pt) const { return CharFromPoint(pt); }
    // Scrolls so that the line of nPos is shown.
    void ShowPosition(LONG nPos);
    // The text as screen readers read it, following the control from the
    // first call on; null without a control.
    const CCharacterOffsets* GetCharacterOffsets() const;

    // A strip of nWidth pixels left of the text (glyphs of the lines; owned
    // by the widget from now on) that is repainted whenever lines move.
    void SetMarginWidget(QWidget* pMargin, int nWidth);
    QWidget* GetMarginWidget() const { return m_pMargin; }
    // Viewport (and margin) y of the top of line nLine (0-based), and the
    // first and last lines shown.
    int LineTop(int nLine) const { return LineRect(nLine).top(); }
    int GetFirstShownLine() const;
    int GetLastShownLine() const;

    // Colour of a COLORREF (0x00BBGGRR).
    static QColor ToColor(COLORREF cr);

    // IRichEditObserver
    void OnTextChanged(LONG nPos, LONG nRemoved, LONG nInserted) override;
    void OnFormatChanged(LONG nStart, LONG nEnd) override;
    void OnSelectionChanged(LONG nStart, LONG nEnd, LONG nCaret) override;
    void OnDisplayChanged() override;
    void OnScrollCaret() override;

signals:
    // The context menu was asked for at a global point, over character nPos.
    void ContextMenuRequested(const QPoint& globalPos, LONG nPos);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void scrollContentsBy(int nDx, int nDy) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void keyReleaseEvent(QKeyEvent* pEvent) override;
    void inputMethodEvent(QInputMethodEvent* pEvent) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dragMoveEvent(QDragMoveEvent* pEvent) override;
    void dragLeaveEvent(QDragLeaveEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
    bool focusNextPrevChild(bool bNext) override;

private:
    struct CSegment;

    LRESULT Send(UINT nMessage, WPARAM wParam, LPARAM lParam);
    // Records Shift, Ctrl and Alt for the receiver; nKey, when a modifier
    // key itself, counts as held (bPressed) or released.
    static void SetKeyState(Qt::KeyboardModifiers modifiers, int nKey = 0, bool bPressed = false);
    static WPARAM MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    // WM_COPY, WM_CUT or WM_PASTE for a clipboard shortcut, else 0.
    static UINT ClipboardMessage(int nKey, Qt::KeyboardModifiers modifiers);
    // Position of the start of the character under a viewport point.
    LONG CharFromPoint(const QPoint& pt) const;
    void StartDrag();
    bool CanDrop(const QDropEvent* pEvent) const;
    Qt::DropAction DropActionFor(const QDropEvent* pEvent) const;

    void PaintLine(QPainter& painter, int nLine, int nY, LONG nSelStart, LONG nSelEnd);
    void DrawSegment(QPainter& painter, const CSegment& seg, const QString& strText, int nBaseline);
    QRect LineRect(int nLine) const;
    QRect CaretRectAt(LONG nPos, bool bBlock) const;
    // Repaints the rows of lines nFirst..nLast (in any order) that are shown.
    void UpdateLines(int nFirst, int nLast);
    void UpdateAll();
    // Notes the painted selection's lines and the line count as shown now.
    void RememberPainted();
    bool IsRedrawOn() const;
    void UpdateScrollBars();
    void UpdateTabSize();
    void RestartCaretBlink();
    void OnScrollTimer();
    // Tells screen readers of an edit and of a caret or selection move.
    void NotifyAccessibleText(LONG nPos, LONG nRemoved, LONG nInserted);
    void NotifyAccessibleCaret(LONG nStart, LONG nEnd, LONG nCaret);

    CRichEditCtrl* m_pCtrl = nullptr;
    IMessageTarget* m_pTarget = nullptr;
    QFont m_font;
    QWidget* m_pMargin = nullptr;
    int m_nMarginWidth = 0;
    QFont m_styledFonts[8];       // index: bold 1, italic 2, underline 4
    double m_dCellWidth = 8;
    int m_nLineHeight = 16;
    int m_nAscent = 12;
    int m_nTabSize = 4;
    int m_nEffectiveTabSize = 4;
    int m_nWidestColumns = 0;     // widest line painted so far, for the horizontal range
    // What the last full or partial paint showed, to repaint only what moves.
    int m_nPaintedLineCount = -1;
    int m_nPaintedSelFirst = -1;  // lines of the selection (or caret) as painted
    int m_nPaintedSelLast = -1;
    bool m_bStale = false;        // changes arrived while redraw was off
    // Mouse: a button-down was sent and moves extend the selection.
    bool m_bSelecting = false;
    // A press inside the selection that becomes a drag once it moves far enough.
    bool m_bDragPending = false;
    bool m_bDragSource = false;   // a drag that started here is running
    QPoint m_pressPoint;
    QPoint m_mousePoint;          // last mouse point while selecting, viewport coordinates
    QByteArray m_dragText;        // the dragged selection, exactly as in the control
    LONG m_nDropPos = -1;         // where dragged text would land, -1: no drag over us
    bool m_bCaretOn = true;
    QTimer m_caretTimer;
    QTimer m_scrollTimer;
    std::vector<DWORD> m_runs;    // scratch for painting
    mutable std::unique_ptr<CCharacterOffsets> m_pOffsets;   // the readers' copy, once asked for
};
