#include "RichEditWidget.h"

#include "CaretMotion.h"
#include "RichEditCtrl.h"
#include "TextColumns.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <limits>
#include <cmath>

namespace {

constexpr int LEFT_MARGIN = 4;
constexpr int TOP_MARGIN = 1;

}  // namespace

struct CRichEditWidget::CSegment {
    int nColumn = 0;       // column of the first character
    int nFormat = -1;      // format-table index, -1: the default text colour
    bool bSelected = false;
};

CRichEditWidget::CRichEditWidget(QWidget* pParent)
    : QAbstractScrollArea(pParent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(&m_caretTimer, &QTimer::timeout, this, [this] {
        m_bCaretOn = !m_bCaretOn;
        viewport()->update(CaretRect());
    });
    m_dragTimer.setInterval(50);
    connect(&m_dragTimer, &QTimer::timeout, this, &CRichEditWidget::OnDragTimer);
    SetEditorFont(DefaultEditorFont());
}

CRichEditWidget::~CRichEditWidget()
{
    if (m_pCtrl)
        m_pCtrl->RemoveObserver(this);
}

void CRichEditWidget::SetEditCtrl(CRichEditCtrl* pCtrl)
{
    if (m_pCtrl)
        m_pCtrl->RemoveObserver(this);
    m_pCtrl = pCtrl;
    m_nWidestColumns = 0;
    m_nGoalCaret = -1;
    m_nDragAnchor = -1;
    if (m_pCtrl)
        m_pCtrl->AddObserver(this);
    UpdateTabSize();
    UpdateScrollBars();
    viewport()->update();
}

void CRichEditWidget::SetTabSize(int nTabSize)
{
    m_nTabSize = std::max(1, nTabSize);
    UpdateTabSize();
    viewport()->update();
}

int CRichEditWidget::GetTabSize() const
{
    return m_nEffectiveTabSize;
}

void CRichEditWidget::UpdateTabSize()
{
    m_nEffectiveTabSize = m_nTabSize;
    if (!m_pCtrl)
        return;
    PARAFORMAT pf;
    m_pCtrl->GetParaFormat(pf);
    if (pf.cTabCount > 0)
        m_nEffectiveTabSize = CTextColumns::TabSizeFromStop(pf.rgxTabs[0], m_dCellWidth, logicalDpiY());
}

QFont CRichEditWidget::DefaultEditorFont(int nPointSize)
{
    QFont font(QStringLiteral("courier"), nPointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFont(QStringLiteral("DejaVu Sans Mono"), nPointSize);
        font.setFixedPitch(true);
    }
    return font;
}

void CRichEditWidget::SetEditorFont(const QFont& font)
{
    m_font = font;
    for (int i = 0; i < 8; ++i) {
        QFont styled(font);
        styled.setBold(i & 1);
        styled.setItalic(i & 2);
        styled.setUnderline(i & 4);
        m_styledFonts[i] = styled;
    }
    QFontMetricsF metrics(m_font);
    m_dCellWidth = std::max(1.0, metrics.horizontalAdvance(QLatin1Char('M')));
    m_nLineHeight = std::max(1, static_cast<int>(std::ceil(metrics.height())));
    m_nAscent = static_cast<int>(std::ceil(metrics.ascent()));
    UpdateTabSize();
    UpdateScrollBars();
    viewport()->update();
}

QColor CRichEditWidget::ToColor(COLORREF cr)
{
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

QPoint CRichEditWidget::GetTextOrigin() const
{
    return QPoint(LEFT_MARGIN - horizontalScrollBar()->value(), TOP_MARGIN);
}

int CRichEditWidget::GetVisibleLineCount() const
{
    return std::max(1, (viewport()->height() - TOP_MARGIN) / m_nLineHeight);
}

LONG CRichEditWidget::PositionFromPoint(const QPoint& pt) const
{
    if (!m_pCtrl)
        return 0;
    QPoint origin = GetTextOrigin();
    int nDy = pt.y() - origin.y();
    int nRow = nDy < 0 ? -1 - (-nDy - 1) / m_nLineHeight : nDy / m_nLineHeight;
    int nLine = std::clamp(m_pCtrl->GetFirstVisibleLine() + nRow, 0, m_pCtrl->GetLineCount() - 1);
    CString strLine = CCaretMotion::LineText(*m_pCtrl, nLine);
    int nByte = CTextColumns::ByteAtX(strLine.c_str(), strLine.GetLength(), pt.x() - origin.x(), m_dCellWidth,
                                      m_nEffectiveTabSize);
    return m_pCtrl->LineIndex(nLine) + nByte;
}

QRect CRichEditWidget::CaretRect() const
{
    if (!m_pCtrl)
        return QRect();
    LONG nCaret = m_pCtrl->GetCaret();
    int nRow = m_pCtrl->LineFromChar(nCaret) - m_pCtrl->GetFirstVisibleLine();
    int nColumn = CCaretMotion::ColumnAt(*m_pCtrl, nCaret, m_nEffectiveTabSize);
    QPoint origin = GetTextOrigin();
    int nX = origin.x() + static_cast<int>(std::lround(nColumn * m_dCellWidth));
    return QRect(nX - 1, origin.y() + nRow * m_nLineHeight, 2, m_nLineHeight);
}

// ---- Following the control

void CRichEditWidget::Repaint()
{
    if (!m_pCtrl || m_pCtrl->GetRedraw())
        viewport()->update();
}

void CRichEditWidget::OnTextChanged(LONG nPos, LONG nRemoved, LONG nInserted)
{
    if (nPos == 0 && nInserted == m_pCtrl->GetTextLength())
        m_nWidestColumns = 0;   // the whole text was replaced
    UpdateScrollBars();
    Repaint();
}

void CRichEditWidget::OnFormatChanged(LONG, LONG)
{
    Repaint();
}

void CRichEditWidget::OnSelectionChanged(LONG, LONG, LONG)
{
    RestartCaretBlink();
    Repaint();
}

void CRichEditWidget::OnDisplayChanged()
{
    UpdateTabSize();
    UpdateScrollBars();
    Repaint();
}

void CRichEditWidget::OnScrollCaret()
{
    if (!m_pCtrl)
        return;
    LONG nCaret = m_pCtrl->GetCaret();
    int nLine = m_pCtrl->LineFromChar(nCaret);
    int nFirst = m_pCtrl->GetFirstVisibleLine();
    int nVisible = GetVisibleLineCount();
    if (nLine < nFirst)
        m_pCtrl->SetFirstVisibleLine(nLine);
    else if (nLine >= nFirst + nVisible)
        m_pCtrl->SetFirstVisibleLine(nLine - nVisible + 1);

    int nColumn = CCaretMotion::ColumnAt(*m_pCtrl, nCaret, m_nEffectiveTabSize);
    if (nColumn + 1 > m_nWidestColumns) {
        m_nWidestColumns = nColumn + 1;
        UpdateScrollBars();
    }
    int nWidth = std::max(1, viewport()->width() - 2 * LEFT_MARGIN);
    int nLeft = horizontalScrollBar()->value();
    int nX = static_cast<int>(nColumn * m_dCellWidth);
    if (nX < nLeft)
        nLeft = std::max(0, nX - nWidth / 4);
    else if (nX + m_dCellWidth > nLeft + nWidth)
        nLeft = nX + static_cast<int>(m_dCellWidth) - nWidth + nWidth / 4;
    horizontalScrollBar()->setValue(nLeft);
}

void CRichEditWidget::UpdateScrollBars()
{
    QScrollBar* pVertical = verticalScrollBar();
    QScrollBar* pHorizontal = horizontalScrollBar();
    int nVisible = GetVisibleLineCount();
    int nLines = m_pCtrl ? m_pCtrl->GetLineCount() : 1;
    int nFirst = m_pCtrl ? m_pCtrl->GetFirstVisibleLine() : 0;
    {
        QSignalBlocker block(pVertical);
        pVertical->setRange(0, std::max(nLines - nVisible, nFirst));
        pVertical->setPageStep(nVisible);
        pVertical->setSingleStep(1);
        pVertical->setValue(nFirst);
    }
    int nContent = static_cast<int>(std::ceil(m_nWidestColumns * m_dCellWidth)) + 2 * LEFT_MARGIN;
    int nWidth = viewport()->width();
    QSignalBlocker block(pHorizontal);
    pHorizontal->setRange(0, std::max(0, nContent - nWidth));
    pHorizontal->setPageStep(std::max(1, nWidth));
    pHorizontal->setSingleStep(std::max(1, static_cast<int>(m_dCellWidth)));
}

void CRichEditWidget::scrollContentsBy(int, int)
{
    if (m_pCtrl && verticalScrollBar()->value() != m_pCtrl->GetFirstVisibleLine())
        m_pCtrl->SetFirstVisibleLine(verticalScrollBar()->value());
    viewport()->update();
}

void CRichEditWidget::resizeEvent(QResizeEvent* pEvent)
{
    QAbstractScrollArea::resizeEvent(pEvent);
    UpdateScrollBars();
}

// ---- Painting

void CRichEditWidget::paintEvent(QPaintEvent* pEvent)
{
    QPainter painter(viewport());
    QColor background = palette().color(QPalette::Base);
    if (m_pCtrl && !m_pCtrl->IsSystemBackground())
        background = ToColor(m_pCtrl->GetBackgroundColor());
    painter.fillRect(pEvent->rect(), background);
    if (!m_pCtrl)
        return;

    LONG nSelStart, nSelEnd;
    m_pCtrl->GetSel(nSelStart, nSelEnd);
    if (m_pCtrl->IsSelectionHidden())
        nSelStart = nSelEnd = -1;
    int nFirst = m_pCtrl->GetFirstVisibleLine();
    int nLast = std::min(m_pCtrl->GetLineCount() - 1, nFirst + GetVisibleLineCount());
    int nTop = GetTextOrigin().y();
    for (int nLine = nFirst; nLine <= nLast; ++nLine) {
        int nY = nTop + (nLine - nFirst) * m_nLineHeight;
        if (nY + m_nLineHeight >= pEvent->rect().top() && nY <= pEvent->rect().bottom())
            PaintLine(painter, nLine, nY, nSelStart, nSelEnd);
    }

    if (hasFocus() && m_bCaretOn && nSelStart == nSelEnd) {
        QColor caret(255 - background.red(), 255 - background.green(), 255 - background.blue());
        painter.fillRect(CaretRect(), caret);
    }
}

void CRichEditWidget::PaintLine(QPainter& painter, int nLine, int nY, LONG nSelStart, LONG nSelEnd)
{
    LONG nStart = m_pCtrl->LineIndex(nLine);
    if (nStart < 0)
        return;
    int nLength = m_pCtrl->LineLength(nStart);
    CString strLine;
    m_pCtrl->GetTextRange(nStart, nStart + nLength, strLine);
    const char* pLine = strLine.c_str();
    m_runs.clear();
    m_pCtrl->GetFormatRuns(nStart, nStart + nLength, m_runs);

    const double dX0 = GetTextOrigin().x();
    const int nTab = m_nEffectiveTabSize;
    const int nRight = viewport()->width();

    // Selection background; a selected line end shows as one more cell.
    int nSelA = static_cast<int>(std::clamp<LONG>(nSelStart - nStart, 0, nLength));
    int nSelB = static_cast<int>(std::clamp<LONG>(nSelEnd - nStart, 0, nLength));
    bool bEndSelected = nSelStart < nSelEnd && nSelStart <= nStart + nLength && nSelEnd > nStart + nLength;
    if (nSelA < nSelB || bEndSelected) {
        int nColA = CTextColumns::ColumnOf(pLine, nLength, nSelA, nTab);
        int nColB = CTextColumns::ColumnOf(pLine, nLength, nSelB, nTab) + (bEndSelected ? 1 : 0);
        QColor highlight = palette().color(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
        painter.fillRect(QRectF(dX0 + nColA * m_dCellWidth, nY, (nColB - nColA) * m_dCellWidth, m_nLineHeight),
                         highlight);
    }

    size_t nRun = 0;
    LONG nRunLeft = m_runs.empty() ? std::numeric_limits<LONG>::max() : CFormatRuns::RunLength(m_runs[0]);
    int nFormat = m_runs.empty() ? -1 : CFormatRuns::RunFormat(m_runs[0]);
    CSegment seg;
    QString strSeg;
    int nBaseline = nY + m_nAscent;
    auto flush = [&] {
        if (!strSeg.isEmpty())
            DrawSegment(painter, seg, strSeg, nBaseline);
        strSeg.clear();
    };

    int nColumn = 0;
    int i = 0;
    while (i < nLength) {
        if (dX0 + nColumn * m_dCellWidth > nRight)
            break;
        bool bTab = pLine[i] == '\t';
        int nChar = bTab ? 1 : CTextColumns::CharLength(pLine + i, nLength - i);
        int nNext = bTab ? CTextColumns::NextTabColumn(nColumn, nTab) : nColumn + 1;
        bool bSelected = i >= nSelA && i < nSelB;
        bool bWide = nChar > 1 || static_cast<unsigned char>(pLine[i]) >= 0x80;
        bool bVisible = dX0 + nNext * m_dCellWidth >= 0;
        if (bTab || bWide || !bVisible || nFormat != seg.nFormat || bSelected != seg.bSelected) {
            flush();
            seg = CSegment{nColumn, nFormat, bSelected};
        }
        if (bVisible && !bTab) {
            if (seg.nColumn != nColumn && strSeg.isEmpty())
                seg.nColumn = nColumn;
            char32_t cp = CTextColumns::Decode(pLine + i, nLength - i);
            if (cp < 0x20 || cp == 0x7F)
                cp = 0xB7;   // a control character shows as a middle dot
            strSeg += QStringView(QChar::fromUcs4(cp));
            if (bWide)   // drawn alone on its cell, whatever the glyph's width
                flush();
        }
        for (LONG nConsume = nChar; nConsume > 0;) {
            if (nRunLeft > nConsume) {
                nRunLeft -= nConsume;
                break;
            }
            nConsume -= nRunLeft;
            if (nRun + 1 >= m_runs.size()) {
                nRunLeft = std::numeric_limits<LONG>::max();
                break;
            }
            ++nRun;
            nRunLeft = CFormatRuns::RunLength(m_runs[nRun]);
            nFormat = CFormatRuns::RunFormat(m_runs[nRun]);
        }
        nColumn = nNext;
        i += nChar;
    }
    flush();
    // The rest of a line cut at the right edge counts one cell a byte.
    m_nWidestColumns = std::max(m_nWidestColumns, nColumn + (nLength - i));
}

void CRichEditWidget::DrawSegment(QPainter& painter, const CSegment& seg, const QString& strText, int nBaseline)
{
    const CCharFormatTable& table = m_pCtrl->GetFormatTable();
    QColor color = palette().color(QPalette::Text);
    int nStyle = 0;
    if (seg.nFormat >= 0 && seg.nFormat < table.GetCount()) {
        const CHARFORMAT& cf = table.GetAt(seg.nFormat);
        if (!(cf.dwEffects & CFE_AUTOCOLOR))
            color = ToColor(cf.crTextColor);
        nStyle = ((cf.dwEffects & CFE_BOLD) ? 1 : 0) | ((cf.dwEffects & CFE_ITALIC) ? 2 : 0)
            | ((cf.dwEffects & CFE_UNDERLINE) ? 4 : 0);
    }
    if (seg.bSelected)
        color = palette().color(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::HighlightedText);
    painter.setFont(m_styledFonts[nStyle]);
    painter.setPen(color);
    painter.drawText(QPointF(GetTextOrigin().x() + seg.nColumn * m_dCellWidth, nBaseline), strText);
}

// ---- Caret

void CRichEditWidget::RestartCaretBlink()
{
    m_bCaretOn = true;
    int nFlash = QApplication::cursorFlashTime();
    if (hasFocus() && nFlash > 0)
        m_caretTimer.start(nFlash / 2);
    else
        m_caretTimer.stop();
}

void CRichEditWidget::focusInEvent(QFocusEvent* pEvent)
{
    QAbstractScrollArea::focusInEvent(pEvent);
    RestartCaretBlink();
    viewport()->update();
}

void CRichEditWidget::focusOutEvent(QFocusEvent* pEvent)
{
    QAbstractScrollArea::focusOutEvent(pEvent);
    m_caretTimer.stop();
    viewport()->update();
}

bool CRichEditWidget::focusNextPrevChild(bool)
{
    return false;   // Tab is text here
}

// ---- Keys

LONG CRichEditWidget::GetAnchor() const
{
    LONG nStart, nEnd;
    m_pCtrl->GetSel(nStart, nEnd);
    return m_pCtrl->GetCaret() == nStart ? nEnd : nStart;
}

void CRichEditWidget::MoveCaret(LONG nPos, bool bExtend)
{
    m_pCtrl->SetSel(bExtend ? GetAnchor() : nPos, nPos);
    m_pCtrl->ScrollCaret();
}

void CRichEditWidget::InsertText(const QString& strText)
{
    if (m_pCtrl->GetReadOnly() || strText.isEmpty())
        return;
    m_pCtrl->ReplaceSel(strText.toUtf8().constData(), TRUE);
    m_pCtrl->ScrollCaret();
}

void CRichEditWidget::DeleteFrom(LONG nOther)
{
    if (m_pCtrl->GetReadOnly())
        return;
    LONG nStart, nEnd;
    m_pCtrl->GetSel(nStart, nEnd);
    if (nStart == nEnd) {
        if (nOther == nStart)
            return;
        m_pCtrl->SetSel(std::min(nOther, nStart), std::max(nOther, nStart));
    }
    m_pCtrl->Clear();
    m_pCtrl->ScrollCaret();
}

bool CRichEditWidget::HandleMotionKey(QKeyEvent* pEvent)
{
    const bool bShift = pEvent->modifiers() & Qt::ShiftModifier;
    const bool bCtrl = pEvent->modifiers() & Qt::ControlModifier;
    const CRichEditCtrl& ctrl = *m_pCtrl;
    LONG nCaret = ctrl.GetCaret();
    LONG nStart, nEnd;
    ctrl.GetSel(nStart, nEnd);
    switch (pEvent->key()) {
    case Qt::Key_Left:
        MoveCaret(!bShift && nStart != nEnd ? nStart : CCaretMotion::Previous(ctrl, nCaret), bShift);
        return true;
    case Qt::Key_Right:
        MoveCaret(!bShift && nStart != nEnd ? nEnd : CCaretMotion::Next(ctrl, nCaret), bShift);
        return true;
    case Qt::Key_Home:
        MoveCaret(bCtrl ? 0 : CCaretMotion::LineStart(ctrl, nCaret), bShift);
        return true;
    case Qt::Key_End:
        MoveCaret(bCtrl ? ctrl.GetTextLength() : CCaretMotion::LineEnd(ctrl, nCaret), bShift);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        int nPage = std::max(1, GetVisibleLineCount() - 1);
        int nLines = pEvent->key() == Qt::Key_Up ? -1 : pEvent->key() == Qt::Key_Down ? 1
            : pEvent->key() == Qt::Key_PageUp ? -nPage : nPage;
        if (nCaret != m_nGoalCaret)
            m_nGoalColumn = CCaretMotion::ColumnAt(ctrl, nCaret, m_nEffectiveTabSize);
        if (pEvent->key() == Qt::Key_PageUp || pEvent->key() == Qt::Key_PageDown)
            m_pCtrl->LineScroll(nLines);
        LONG nPos = CCaretMotion::LineMove(ctrl, nCaret, nLines, m_nGoalColumn, m_nEffectiveTabSize);
        MoveCaret(nPos, bShift);
        m_nGoalCaret = m_pCtrl->GetCaret();
        return true;
    }
    default:
        return false;
    }
}

bool CRichEditWidget::HandleEditKey(QKeyEvent* pEvent)
{
    Qt::KeyboardModifiers modifiers = pEvent->modifiers() & ~Qt::KeypadModifier;
    switch (pEvent->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        InsertText(QStringLiteral("\r\n"));
        return true;
    case Qt::Key_Backspace:
        DeleteFrom(CCaretMotion::Previous(*m_pCtrl, m_pCtrl->GetCaret()));
        return true;
    case Qt::Key_Delete:
        DeleteFrom(CCaretMotion::Next(*m_pCtrl, m_pCtrl->GetCaret()));
        return true;
    case Qt::Key_Tab:
        if (modifiers == Qt::NoModifier)
            InsertText(QStringLiteral("\t"));
        return true;
    case Qt::Key_Backtab:
        return true;
    default:
        break;
    }
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    QString strText = pEvent->text();
    if (strText.isEmpty())
        return false;
    for (QChar ch : strText)
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
            return false;
    InsertText(strText);
    return true;
}

void CRichEditWidget::keyPressEvent(QKeyEvent* pEvent)
{
    if (!m_pCtrl) {
        QAbstractScrollArea::keyPressEvent(pEvent);
        return;
    }
    bool bHandled = true;
    if (pEvent->matches(QKeySequence::Copy))
        m_pCtrl->Copy();
    else if (pEvent->matches(QKeySequence::Cut))
        m_pCtrl->Cut();
    else if (pEvent->matches(QKeySequence::Paste)) {
        m_pCtrl->Paste();
        m_pCtrl->ScrollCaret();
    } else if (pEvent->matches(QKeySequence::SelectAll))
        m_pCtrl->SetSel(0, -1);
    else
        bHandled = HandleMotionKey(pEvent) || HandleEditKey(pEvent);
    if (bHandled)
        pEvent->accept();
    else
        QAbstractScrollArea::keyPressEvent(pEvent);
}

void CRichEditWidget::inputMethodEvent(QInputMethodEvent* pEvent)
{
    if (m_pCtrl)
        InsertText(pEvent->commitString());
    pEvent->accept();
}

// ---- Mouse

void CRichEditWidget::mousePressEvent(QMouseEvent* pEvent)
{
    if (!m_pCtrl || pEvent->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(pEvent);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    LONG nPos = PositionFromPoint(pEvent->position().toPoint());
    m_nDragAnchor = (pEvent->modifiers() & Qt::ShiftModifier) ? GetAnchor() : nPos;
    m_pCtrl->SetSel(m_nDragAnchor, nPos);
    m_dragPoint = pEvent->position().toPoint();
}

void CRichEditWidget::mouseMoveEvent(QMouseEvent* pEvent)
{
    if (!m_pCtrl || m_nDragAnchor < 0 || !(pEvent->buttons() & Qt::LeftButton))
        return;
    m_dragPoint = pEvent->position().toPoint();
    m_pCtrl->SetSel(m_nDragAnchor, PositionFromPoint(m_dragPoint));
    bool bOutside = m_dragPoint.y() < 0 || m_dragPoint.y() >= viewport()->height();
    if (bOutside && !m_dragTimer.isActive())
        m_dragTimer.start();
    else if (!bOutside)
        m_dragTimer.stop();
}

void CRichEditWidget::OnDragTimer()
{
    if (!m_pCtrl || m_nDragAnchor < 0) {
        m_dragTimer.stop();
        return;
    }
    m_pCtrl->LineScroll(m_dragPoint.y() < 0 ? -1 : 1);
    m_pCtrl->SetSel(m_nDragAnchor, PositionFromPoint(m_dragPoint));
}

void CRichEditWidget::mouseReleaseEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(pEvent);
        return;
    }
    m_nDragAnchor = -1;
    m_dragTimer.stop();
    pEvent->accept();
}

void CRichEditWidget::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    if (!m_pCtrl || pEvent->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(pEvent);
        return;
    }
    LONG nStart, nEnd;
    CCaretMotion::WordAt(*m_pCtrl, PositionFromPoint(pEvent->position().toPoint()), nStart, nEnd);
    m_pCtrl->SetSel(nStart, nEnd);
    m_nDragAnchor = -1;
}
