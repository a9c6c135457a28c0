#include "RichEditWidget.h"

#include "CaretMotion.h"
#include "CharacterOffsets.h"
#include "KeyState.h"
#include "MessageTarget.h"
#include "RichEditAccessible.h"
#include "RichEditCtrl.h"
#include "RunCursor.h"
#include "TextColumns.h"
#include "VirtualKey.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int LEFT_MARGIN = 4;
constexpr int TOP_MARGIN = 1;

// Text from outside with every line end (LF, CR or CR LF) as CR LF, the
// control's own line end.
QByteArray WithCrLf(const QByteArray& text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            out += "\r\n";
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += ch;
        }
    }
    return out;
}

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
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(&m_caretTimer, &QTimer::timeout, this, [this] {
        m_bCaretOn = !m_bCaretOn;
        viewport()->update(GetCaretRect());
    });
    m_scrollTimer.setInterval(50);
    connect(&m_scrollTimer, &QTimer::timeout, this, &CRichEditWidget::OnScrollTimer);
    SetEditorFont(DefaultEditorFont());
    CRichEditAccessible::Install();
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
    // A reader that has read the old text hears that all of it was replaced.
    QString strOld;
    bool bRead = m_pOffsets != nullptr;
    if (bRead) {
        std::u32string old = m_pOffsets->Text(0, m_pOffsets->GetCount());
        strOld = QString::fromUcs4(old.data(), static_cast<qsizetype>(old.size()));
    }
    m_pOffsets.reset();
    m_nWidestColumns = 0;
    m_bSelecting = m_bDragPending = false;
    m_scrollTimer.stop();
    if (m_pCtrl) {
        m_pCtrl->AddObserver(this);
        m_pCtrl->SetPageLines(std::max(1, GetVisibleLineCount() - 1));
    }
    UpdateTabSize();
    UpdateScrollBars();
    UpdateAll();
    if (bRead && QAccessible::isActive()) {
        QString strNew;
        if (const CCharacterOffsets* pOffsets = GetCharacterOffsets()) {
            std::u32string text = pOffsets->Text(0, pOffsets->GetCount());
            strNew = QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
        }
        QAccessibleTextUpdateEvent event(this, 0, strOld, strNew);
        QAccessible::updateAccessibility(&event);
    }
}

void CRichEditWidget::SetMessageTarget(IMessageTarget* pTarget)
{
    m_pTarget = pTarget;
}

IMessageTarget* CRichEditWidget::GetMessageTarget() const
{
    if (!m_pCtrl)
        return nullptr;
    return m_pTarget ? m_pTarget : m_pCtrl;
}

LRESULT CRichEditWidget::Send(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    IMessageTarget* pTarget = GetMessageTarget();
    return pTarget ? pTarget->SendMessage(nMessage, wParam, lParam) : 0;
}

void CRichEditWidget::SetTabSize(int nTabSize)
{
    m_nTabSize = std::max(1, nTabSize);
    UpdateTabSize();
    UpdateAll();
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
    PARAFORMAT pf{};
    m_pCtrl->GetParaFormat(pf);
    if (pf.cTabCount > 0) {
        const LONG nFirstStop = pf.rgxTabs[0];
        m_nEffectiveTabSize = CTextColumns::TabSizeFromStop(nFirstStop, m_dCellWidth, logicalDpiY());
    }
    m_pCtrl->SetTabColumns(m_nEffectiveTabSize);
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
    if (m_pCtrl)
        m_pCtrl->SetPageLines(std::max(1, GetVisibleLineCount() - 1));
    UpdateScrollBars();
    UpdateAll();
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

LONG CRichEditWidget::CharFromPoint(const QPoint& pt) const
{
    // The boundary nearest to half a cell further left is the start of the
    // character the point is over.
    return PositionFromPoint(pt - QPoint(static_cast<int>(m_dCellWidth / 2), 0));
}

QRect CRichEditWidget::LineRect(int nLine) const
{
    int nRow = nLine - (m_pCtrl ? m_pCtrl->GetFirstVisibleLine() : 0);
    return QRect(0, TOP_MARGIN + nRow * m_nLineHeight, viewport()->width(), m_nLineHeight);
}

QRect CRichEditWidget::CaretRectAt(LONG nPos, bool bBlock) const
{
    if (!m_pCtrl)
        return QRect();
    int nColumn = CCaretMotion::ColumnAt(*m_pCtrl, nPos, m_nEffectiveTabSize);
    QRect line = LineRect(m_pCtrl->LineFromChar(nPos));
    int nX = GetTextOrigin().x() + static_cast<int>(std::lround(nColumn * m_dCellWidth));
    if (bBlock) {
        int nRight = GetTextOrigin().x() + static_cast<int>(std::lround((nColumn + 1) * m_dCellWidth));
        return QRect(nX, line.top(), std::max(2, nRight - nX), m_nLineHeight);
    }
    return QRect(nX - 1, line.top(), 2, m_nLineHeight);
}

QRect CRichEditWidget::GetCaretRect() const
{
    if (!m_pCtrl)
        return QRect();
    return CaretRectAt(m_pCtrl->GetCaret(), m_pCtrl->GetOverwrite());
}

// ---- Following the control

bool CRichEditWidget::IsRedrawOn() const
{
    return m_pCtrl && m_pCtrl->GetRedraw();
}

void CRichEditWidget::UpdateAll()
{
    viewport()->update();
    if (m_pMargin)
        m_pMargin->update();
    RememberPainted();
}

void CRichEditWidget::RememberPainted()
{
    if (!m_pCtrl) {
        m_nPaintedLineCount = m_nPaintedSelFirst = m_nPaintedSelLast = -1;
        return;
    }
    LONG nStart, nEnd;
    m_pCtrl->GetSel(nStart, nEnd);
    m_nPaintedLineCount = m_pCtrl->GetLineCount();
    m_nPaintedSelFirst = m_pCtrl->LineFromChar(nStart);
    m_nPaintedSelLast = m_pCtrl->LineFromChar(nEnd);
}

void CRichEditWidget::UpdateLines(int nFirst, int nLast)
{
    if (nFirst < 0 || nLast < 0)
        return;
    if (nFirst > nLast)
        std::swap(nFirst, nLast);
    int nTop = m_pCtrl->GetFirstVisibleLine();
    int nBottom = nTop + GetVisibleLineCount();   // a partly shown row included
    nFirst = std::max(nFirst, nTop);
    nLast = std::min(nLast, nBottom);
    if (nFirst > nLast)
        return;
    viewport()->update(LineRect(nFirst).united(LineRect(nLast)));
}

void CRichEditWidget::OnTextChanged(LONG nPos, LONG nRemoved, LONG nInserted)
{
    NotifyAccessibleText(nPos, nRemoved, nInserted);
    if (nPos == 0 && nInserted == m_pCtrl->GetTextLength())
        m_nWidestColumns = 0;   // the whole text was replaced
    if (!IsRedrawOn()) {
        m_bStale = true;
        return;
    }
    if (m_pCtrl->GetLineCount() != m_nPaintedLineCount) {
        // Lines below the edit moved up or down.
        UpdateScrollBars();
        UpdateAll();
        return;
    }
    // As many line ends went as came: the lines around the edit keep their numbers.
    UpdateLines(m_pCtrl->LineFromChar(nPos), m_pCtrl->LineFromChar(nPos + nInserted));
}

void CRichEditWidget::OnFormatChanged(LONG nStart, LONG nEnd)
{
    if (!IsRedrawOn()) {
        m_bStale = true;
        return;
    }
    UpdateLines(m_pCtrl->LineFromChar(nStart), m_pCtrl->LineFromChar(nEnd));
}

void CRichEditWidget::OnSelectionChanged(LONG nStart, LONG nEnd, LONG nCaret)
{
    NotifyAccessibleCaret(nStart, nEnd, nCaret);
    m_bCaretOn = true;
    if (!IsRedrawOn()) {
        m_bStale = true;
        return;
    }
    RestartCaretBlink();
    if (m_pCtrl->GetLineCount() != m_nPaintedLineCount) {
        UpdateScrollBars();
        UpdateAll();
        return;
    }
    UpdateLines(m_nPaintedSelFirst, m_nPaintedSelLast);
    m_nPaintedSelFirst = m_pCtrl->LineFromChar(nStart);
    m_nPaintedSelLast = m_pCtrl->LineFromChar(nEnd);
    UpdateLines(m_nPaintedSelFirst, m_nPaintedSelLast);
}

void CRichEditWidget::OnDisplayChanged()
{
    if (!IsRedrawOn()) {
        m_bStale = true;
        return;
    }
    m_bStale = false;
    UpdateTabSize();
    UpdateScrollBars();
    UpdateAll();
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

void CRichEditWidget::ShowPosition(LONG nPos)
{
    if (!m_pCtrl)
        return;
    int nLine = m_pCtrl->LineFromChar(nPos);
    int nFirst = m_pCtrl->GetFirstVisibleLine();
    if (nLine < nFirst || nLine >= nFirst + GetVisibleLineCount())
        m_pCtrl->SetFirstVisibleLine(std::max(0, nLine - GetVisibleLineCount() / 2));
}

// ---- Screen readers

const CCharacterOffsets* CRichEditWidget::GetCharacterOffsets() const
{
    if (!m_pCtrl)
        return nullptr;
    if (!m_pOffsets) {
        m_pOffsets = std::make_unique<CCharacterOffsets>();
        m_pOffsets->Reset(*m_pCtrl);
    }
    return m_pOffsets.get();
}

void CRichEditWidget::NotifyAccessibleText(LONG nPos, LONG nRemoved, LONG nInserted)
{
    if (!m_pOffsets)
        return;   // nobody has read the text yet
    int nChar = 0;
    std::u32string removed, inserted;
    const bool bInStep = m_pOffsets->Apply(*m_pCtrl, nPos, nRemoved, nInserted, nChar, removed, inserted);
    // Screen readers hear of it only while one listens (never on the offscreen platform).
    if (!QAccessible::isActive())
        return;
    auto toQString = [](const std::u32string& text) {
        return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
    };
    if (!bInStep) {
        // The readers' copy was read again: they are given the whole new text.
        std::u32string text = m_pOffsets->Text(0, m_pOffsets->GetCount());
        QAccessibleTextUpdateEvent event(this, 0, QString(), toQString(text));
        QAccessible::updateAccessibility(&event);
    } else if (!removed.empty() && !inserted.empty()) {
        QAccessibleTextUpdateEvent event(this, nChar, toQString(removed), toQString(inserted));
        QAccessible::updateAccessibility(&event);
    } else if (!removed.empty()) {
        QAccessibleTextRemoveEvent event(this, nChar, toQString(removed));
        QAccessible::updateAccessibility(&event);
    } else if (!inserted.empty()) {
        QAccessibleTextInsertEvent event(this, nChar, toQString(inserted));
        QAccessible::updateAccessibility(&event);
    }
}

void CRichEditWidget::NotifyAccessibleCaret(LONG nStart, LONG nEnd, LONG nCaret)
{
    if (!m_pOffsets || !QAccessible::isActive())
        return;
    const int nCaretChar = m_pOffsets->CharFromPos(nCaret);
    if (nStart < nEnd) {
        QAccessibleTextSelectionEvent event(this, m_pOffsets->CharFromPos(nStart), m_pOffsets->CharFromPos(nEnd));
        event.setCursorPosition(nCaretChar);
        QAccessible::updateAccessibility(&event);
    }
    QAccessibleTextCursorEvent event(this, nCaretChar);
    QAccessible::updateAccessibility(&event);
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
    // Scrolling is display state the control keeps for its painter, not an edit.
    if (m_pCtrl && verticalScrollBar()->value() != m_pCtrl->GetFirstVisibleLine())
        m_pCtrl->SetFirstVisibleLine(verticalScrollBar()->value());
    UpdateAll();
}

void CRichEditWidget::SetMarginWidget(QWidget* pMargin, int nWidth)
{
    if (m_pMargin != pMargin)
        delete m_pMargin;
    m_pMargin = pMargin;
    m_nMarginWidth = pMargin ? std::max(0, nWidth) : 0;
    setViewportMargins(m_nMarginWidth, 0, 0, 0);
    if (m_pMargin) {
        m_pMargin->setParent(this);
        QRect view = viewport()->geometry();
        m_pMargin->setGeometry(view.left() - m_nMarginWidth, view.top(), m_nMarginWidth, view.height());
        m_pMargin->show();
    }
}

int CRichEditWidget::GetFirstShownLine() const
{
    return m_pCtrl ? m_pCtrl->GetFirstVisibleLine() : 0;
}

int CRichEditWidget::GetLastShownLine() const
{
    if (!m_pCtrl)
        return 0;
    int nLast = GetFirstShownLine() + (viewport()->height() - TOP_MARGIN) / m_nLineHeight;
    return std::min(nLast, m_pCtrl->GetLineCount() - 1);
}

void CRichEditWidget::contextMenuEvent(QContextMenuEvent* pEvent)
{
    if (!m_pCtrl) {
        QAbstractScrollArea::contextMenuEvent(pEvent);
        return;
    }
    // From the keyboard the menu belongs to the caret; from the mouse to the point.
    LONG nPos = pEvent->reason() == QContextMenuEvent::Mouse
                    ? CharFromPoint(viewport()->mapFromGlobal(pEvent->globalPos()))
                    : m_pCtrl->GetCaret();
    emit ContextMenuRequested(pEvent->globalPos(), nPos);
    pEvent->accept();
}

void CRichEditWidget::resizeEvent(QResizeEvent* pEvent)
{
    QAbstractScrollArea::resizeEvent(pEvent);
    if (m_pMargin) {
        QRect view = viewport()->geometry();
        m_pMargin->setGeometry(view.left() - m_nMarginWidth, view.top(), m_nMarginWidth, view.height());
    }
    if (m_pCtrl)
        m_pCtrl->SetPageLines(std::max(1, GetVisibleLineCount() - 1));
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

    // The caret (and where dragged text would land) invert what is under
    // them, so a block caret leaves its character readable.
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    if (hasFocus() && m_bCaretOn && nSelStart == nSelEnd)
        painter.fillRect(GetCaretRect(), Qt::white);
    if (m_nDropPos >= 0)
        painter.fillRect(CaretRectAt(m_nDropPos, false), Qt::white);
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

    CRunCursor run(m_runs);
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
        if (bTab || bWide || !bVisible || run.GetFormat() != seg.nFormat || bSelected != seg.bSelected) {
            flush();
            seg = CSegment{nColumn, run.GetFormat(), bSelected};
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
        run.Advance(nChar);
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

// ---- Caret and focus

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
    UpdateAll();
    Send(WM_SETFOCUS, 0, 0);
}

void CRichEditWidget::focusOutEvent(QFocusEvent* pEvent)
{
    QAbstractScrollArea::focusOutEvent(pEvent);
    m_caretTimer.stop();
    UpdateAll();
    // Keys released elsewhere never reach this window: nothing counts as held.
    CKeyState::SetModifiers(FALSE, FALSE, FALSE);
    Send(WM_KILLFOCUS, 0, 0);
}

bool CRichEditWidget::focusNextPrevChild(bool)
{
    return false;   // Tab is text here
}

// ---- Keys

void CRichEditWidget::SetKeyState(Qt::KeyboardModifiers modifiers, int nKey, bool bPressed)
{
    BOOL bShift = (modifiers & Qt::ShiftModifier) ? TRUE : FALSE;
    BOOL bControl = (modifiers & Qt::ControlModifier) ? TRUE : FALSE;
    BOOL bAlt = (modifiers & Qt::AltModifier) ? TRUE : FALSE;
    // A modifier key's own event may or may not already count it in its
    // modifiers, depending on the platform.
    if (nKey == Qt::Key_Shift)
        bShift = bPressed;
    else if (nKey == Qt::Key_Control)
        bControl = bPressed;
    else if (nKey == Qt::Key_Alt)
        bAlt = bPressed;
    CKeyState::SetModifiers(bShift, bControl, bAlt);
}

UINT CRichEditWidget::ClipboardMessage(int nKey, Qt::KeyboardModifiers modifiers)
{
    modifiers &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    switch (nKey) {
    case Qt::Key_Copy: return WM_COPY;
    case Qt::Key_Cut: return WM_CUT;
    case Qt::Key_Paste: return WM_PASTE;
    case Qt::Key_C: return modifiers == Qt::ControlModifier ? WM_COPY : 0;
    case Qt::Key_X: return modifiers == Qt::ControlModifier ? WM_CUT : 0;
    case Qt::Key_V: return modifiers == Qt::ControlModifier ? WM_PASTE : 0;
    case Qt::Key_Insert:
        return modifiers == Qt::ControlModifier ? WM_COPY : modifiers == Qt::ShiftModifier ? WM_PASTE : 0;
    case Qt::Key_Delete: return modifiers == Qt::ShiftModifier ? WM_CUT : 0;
    default: return 0;
    }
}

void CRichEditWidget::keyPressEvent(QKeyEvent* pEvent)
{
    if (!m_pCtrl) {
        QAbstractScrollArea::keyPressEvent(pEvent);
        return;
    }
    const int nKey = pEvent->key();
    const Qt::KeyboardModifiers modifiers = pEvent->modifiers();
    SetKeyState(modifiers, nKey, true);
    if (UINT nMessage = ClipboardMessage(nKey, modifiers)) {
        Send(nMessage, 0, 0);
        pEvent->accept();
        return;
    }
    const bool bControl = modifiers & (Qt::ControlModifier | Qt::MetaModifier);
    if ((modifiers & Qt::AltModifier) && nKey != Qt::Key_Alt) {
        // Alt combinations belong to the menus.
        QAbstractScrollArea::keyPressEvent(pEvent);
        return;
    }
    int nVirtualKey = CVirtualKey::FromQtKey(nKey);
    bool bSent = false;
    if (nVirtualKey != 0 && nVirtualKey != VK_MENU) {
        Send(WM_KEYDOWN, static_cast<WPARAM>(nVirtualKey), 0);
        bSent = true;
    }
    if (!bControl) {
        // Enter, Tab, Backspace and Escape type their control character;
        // any other key types the code points of its text.
        if (UINT nChar = CVirtualKey::ControlCharacter(nKey)) {
            Send(WM_CHAR, nChar, 0);
            bSent = true;
        } else {
            for (char32_t ch : pEvent->text().toUcs4()) {
                if (ch < 0x20 || ch == 0x7F)
                    continue;
                Send(WM_CHAR, ch, 0);
                bSent = true;
            }
        }
    }
    if (bSent || nKey == Qt::Key_Alt)
        pEvent->accept();
    else
        QAbstractScrollArea::keyPressEvent(pEvent);
}

void CRichEditWidget::keyReleaseEvent(QKeyEvent* pEvent)
{
    // A held key repeats its key-down alone, as Windows does.
    if (!m_pCtrl || pEvent->isAutoRepeat()) {
        QAbstractScrollArea::keyReleaseEvent(pEvent);
        return;
    }
    const int nKey = pEvent->key();
    const Qt::KeyboardModifiers modifiers = pEvent->modifiers();
    SetKeyState(modifiers, nKey, false);
    int nVirtualKey = CVirtualKey::FromQtKey(nKey);
    if (ClipboardMessage(nKey, modifiers) || nVirtualKey == 0 || nVirtualKey == VK_MENU ||
        ((modifiers & Qt::AltModifier) && nKey != Qt::Key_Alt)) {
        QAbstractScrollArea::keyReleaseEvent(pEvent);
        return;
    }
    Send(WM_KEYUP, static_cast<WPARAM>(nVirtualKey), 0);
    pEvent->accept();
}

void CRichEditWidget::inputMethodEvent(QInputMethodEvent* pEvent)
{
    if (m_pCtrl) {
        for (char32_t ch : pEvent->commitString().toUcs4()) {
            if (ch >= 0x20 && ch != 0x7F)
                Send(WM_CHAR, ch, 0);
        }
    }
    pEvent->accept();
}

QVariant CRichEditWidget::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        return m_pCtrl != nullptr && !m_pCtrl->GetReadOnly();
    case Qt::ImCursorRectangle:
        return QRect(viewport()->mapTo(this, GetCaretRect().topLeft()), GetCaretRect().size());
    case Qt::ImFont:
        return m_font;
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

// ---- Mouse

WPARAM CRichEditWidget::MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    WPARAM wFlags = 0;
    if (buttons & Qt::LeftButton)
        wFlags |= MK_LBUTTON;
    if (modifiers & Qt::ShiftModifier)
        wFlags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        wFlags |= MK_CONTROL;
    return wFlags;
}

void CRichEditWidget::mousePressEvent(QMouseEvent* pEvent)
{
    if (!m_pCtrl || pEvent->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(pEvent);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    SetKeyState(pEvent->modifiers());
    const QPoint pt = pEvent->position().toPoint();
    LONG nStart, nEnd;
    m_pCtrl->GetSel(nStart, nEnd);
    LONG nChar = CharFromPoint(pt);
    if (!(pEvent->modifiers() & Qt::ShiftModifier) && nStart < nEnd && nChar >= nStart && nChar < nEnd) {
        // Over the selection: a drag if the mouse moves far enough, else a click on release.
        m_bDragPending = true;
        m_pressPoint = pt;
        return;
    }
    m_bSelecting = true;
    m_mousePoint = pt;
    Send(WM_LBUTTONDOWN, MouseFlags(pEvent->buttons(), pEvent->modifiers()), PositionFromPoint(pt));
}

void CRichEditWidget::mouseMoveEvent(QMouseEvent* pEvent)
{
    if (!m_pCtrl || !(pEvent->buttons() & Qt::LeftButton))
        return;
    const QPoint pt = pEvent->position().toPoint();
    if (m_bDragPending) {
        if ((pt - m_pressPoint).manhattanLength() >= QApplication::startDragDistance())
            StartDrag();
        return;
    }
    if (!m_bSelecting)
        return;
    SetKeyState(pEvent->modifiers());
    m_mousePoint = pt;
    Send(WM_MOUSEMOVE, MouseFlags(pEvent->buttons(), pEvent->modifiers()), PositionFromPoint(pt));
    // Outside the text the view scrolls on by itself while the button is held.
    bool bOutside = !viewport()->rect().contains(pt);
    if (bOutside && !m_scrollTimer.isActive())
        m_scrollTimer.start();
    else if (!bOutside)
        m_scrollTimer.stop();
}

void CRichEditWidget::OnScrollTimer()
{
    if (!m_pCtrl || !m_bSelecting) {
        m_scrollTimer.stop();
        return;
    }
    if (m_mousePoint.y() < 0)
        m_pCtrl->SetFirstVisibleLine(m_pCtrl->GetFirstVisibleLine() - 1);
    else if (m_mousePoint.y() >= viewport()->height())
        m_pCtrl->SetFirstVisibleLine(m_pCtrl->GetFirstVisibleLine() + 1);
    QScrollBar* pHorizontal = horizontalScrollBar();
    if (m_mousePoint.x() < 0)
        pHorizontal->setValue(pHorizontal->value() - pHorizontal->singleStep());
    else if (m_mousePoint.x() >= viewport()->width())
        pHorizontal->setValue(pHorizontal->value() + pHorizontal->singleStep());
    WPARAM wFlags = MK_LBUTTON;
    if (CKeyState::IsDown(VK_SHIFT))
        wFlags |= MK_SHIFT;
    if (CKeyState::IsDown(VK_CONTROL))
        wFlags |= MK_CONTROL;
    Send(WM_MOUSEMOVE, wFlags, PositionFromPoint(m_mousePoint));
}

void CRichEditWidget::mouseReleaseEvent(QMouseEvent* pEvent)
{
    if (!m_pCtrl || pEvent->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(pEvent);
        return;
    }
    SetKeyState(pEvent->modifiers());
    const QPoint pt = pEvent->position().toPoint();
    WPARAM wFlags = MouseFlags(pEvent->buttons(), pEvent->modifiers());
    if (m_bDragPending) {
        // A click inside the selection that never became a drag puts the caret there.
        m_bDragPending = false;
        Send(WM_LBUTTONDOWN, wFlags | MK_LBUTTON, PositionFromPoint(m_pressPoint));
        Send(WM_LBUTTONUP, wFlags, PositionFromPoint(pt));
    } else if (m_bSelecting) {
        m_bSelecting = false;
        m_scrollTimer.stop();
        Send(WM_LBUTTONUP, wFlags, PositionFromPoint(pt));
    }
    pEvent->accept();
}

void CRichEditWidget::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    if (!m_pCtrl || pEvent->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(pEvent);
        return;
    }
    SetKeyState(pEvent->modifiers());
    m_bDragPending = false;
    m_bSelecting = true;
    m_mousePoint = pEvent->position().toPoint();
    Send(WM_LBUTTONDBLCLK, MouseFlags(pEvent->buttons(), pEvent->modifiers()), PositionFromPoint(m_mousePoint));
}

// ---- Dragging text out and dropping text in

void CRichEditWidget::StartDrag()
{
    m_bDragPending = false;
    IMessageTarget* pTarget = GetMessageTarget();
    CString strSelected = m_pCtrl->GetSelText();
    if (!pTarget || strSelected.IsEmpty())
        return;
    m_dragText = QByteArray(strSelected.c_str(), strSelected.GetLength());
    // Other programs get the text with LF line ends.
    QByteArray plain = m_dragText;
    plain.replace("\r\n", "\n");
    auto* pMime = new QMimeData;
    pMime->setText(QString::fromUtf8(plain));
    QPointer<CRichEditWidget> pSelf(this);
    pTarget->BeginDrag();
    m_bDragSource = true;
    auto* pDrag = new QDrag(this);
    pDrag->setMimeData(pMime);
    // A move into another program is left to that program: this text is
    // never deleted for a drop elsewhere.
    pDrag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    if (!pSelf)
        return;
    m_bDragSource = false;
    m_dragText.clear();
    if (GetMessageTarget() == pTarget)
        pTarget->EndDrag();
}

bool CRichEditWidget::CanDrop(const QDropEvent* pEvent) const
{
    return m_pCtrl && !m_pCtrl->GetReadOnly() && pEvent->mimeData() && pEvent->mimeData()->hasText();
}

Qt::DropAction CRichEditWidget::DropActionFor(const QDropEvent* pEvent) const
{
    if (pEvent->modifiers() & Qt::ControlModifier)
        return Qt::CopyAction;
    if (pEvent->source() == this && (pEvent->possibleActions() & Qt::MoveAction))
        return Qt::MoveAction;
    return Qt::CopyAction;
}

void CRichEditWidget::dragEnterEvent(QDragEnterEvent* pEvent)
{
    if (!CanDrop(pEvent)) {
        pEvent->ignore();
        return;
    }
    pEvent->setDropAction(DropActionFor(pEvent));
    pEvent->accept();
}

void CRichEditWidget::dragMoveEvent(QDragMoveEvent* pEvent)
{
    if (!CanDrop(pEvent)) {
        pEvent->ignore();
        return;
    }
    LONG nPos = PositionFromPoint(pEvent->position().toPoint());
    if (nPos != m_nDropPos) {
        if (m_nDropPos >= 0)
            viewport()->update(CaretRectAt(m_nDropPos, false));
        m_nDropPos = nPos;
        viewport()->update(CaretRectAt(m_nDropPos, false));
    }
    pEvent->setDropAction(DropActionFor(pEvent));
    pEvent->accept();
}

void CRichEditWidget::dragLeaveEvent(QDragLeaveEvent*)
{
    if (m_nDropPos >= 0)
        viewport()->update(CaretRectAt(m_nDropPos, false));
    m_nDropPos = -1;
}

void CRichEditWidget::dropEvent(QDropEvent* pEvent)
{
    if (m_nDropPos >= 0)
        viewport()->update(CaretRectAt(m_nDropPos, false));
    m_nDropPos = -1;
    IMessageTarget* pTarget = GetMessageTarget();
    if (!CanDrop(pEvent) || !pTarget) {
        pEvent->ignore();
        return;
    }
    SetKeyState(pEvent->modifiers());
    Qt::DropAction action = DropActionFor(pEvent);
    // Text dragged out of this window lands exactly as it was selected;
    // text from elsewhere gets the control's CR LF line ends.
    QByteArray text = pEvent->source() == this && m_bDragSource ? m_dragText
                                                                 : WithCrLf(pEvent->mimeData()->text().toUtf8());
    setFocus(Qt::OtherFocusReason);
    BOOL bCopy = (pEvent->modifiers() & Qt::ControlModifier) ? TRUE : FALSE;
    if (!pTarget->DropText(PositionFromPoint(pEvent->position().toPoint()), text.constData(), bCopy)) {
        pEvent->ignore();
        return;
    }
    pEvent->setDropAction(action);
    pEvent->accept();
}
