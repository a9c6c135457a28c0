#include "GlyphMargin.h"

#include "JavaIDEView.h"
#include "RichEditWidget.h"

#include <QPainter>
#include <QPainterPath>

CGlyphMargin::CGlyphMargin(CJavaIDEView* pView, CRichEditWidget* pEditor)
    : QWidget(pEditor), m_pView(pView), m_pEditor(pEditor)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect CGlyphMargin::GlyphRect(int nGlyph, int nTop, int nHeight)
{
    int nSize = std::max(4, std::min(nHeight - 4, WIDTH - 8));
    int nMiddle = nTop + nHeight / 2;
    switch (nGlyph) {
    case CJavaIDEView::GLYPH_BOOKMARK:
        return QRect(1, nTop + 1, WIDTH - 6, nHeight - 2);
    case CJavaIDEView::GLYPH_BREAKPOINT:
        return QRect(3, nMiddle - nSize / 2, nSize, nSize);
    case CJavaIDEView::GLYPH_DEBUGGER:
        return QRect(WIDTH - 5 - nSize, nMiddle - nSize / 2, nSize, nSize);
    default:   // the marked line
        return QRect(WIDTH - 4, nTop + 1, 4, nHeight - 2);
    }
}

QColor CGlyphMargin::GlyphColor(int nGlyph)
{
    switch (nGlyph) {
    case CJavaIDEView::GLYPH_BOOKMARK: return QColor(0, 200, 220);
    case CJavaIDEView::GLYPH_BREAKPOINT: return QColor(200, 0, 0);
    case CJavaIDEView::GLYPH_DEBUGGER: return QColor(255, 210, 0);
    default: return QColor(0, 0, 200);
    }
}

void CGlyphMargin::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(232, 232, 232));
    int nHeight = m_pEditor->GetLineHeight();
    for (int nLine = m_pEditor->GetFirstShownLine(); nLine <= m_pEditor->GetLastShownLine(); ++nLine) {
        int nGlyphs = m_pView->GetLineGlyphs(nLine + 1);
        if (!nGlyphs)
            continue;
        int nTop = m_pEditor->LineTop(nLine);
        // Painted back to front, so that every mark keeps a part of its own.
        if (nGlyphs & CJavaIDEView::GLYPH_BOOKMARK) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(GlyphColor(CJavaIDEView::GLYPH_BOOKMARK));
            painter.drawRoundedRect(GlyphRect(CJavaIDEView::GLYPH_BOOKMARK, nTop, nHeight), 3, 3);
        }
        if (nGlyphs & CJavaIDEView::GLYPH_BREAKPOINT) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(Qt::NoPen);
            painter.setBrush(GlyphColor(CJavaIDEView::GLYPH_BREAKPOINT));
            painter.drawEllipse(GlyphRect(CJavaIDEView::GLYPH_BREAKPOINT, nTop, nHeight));
            painter.setRenderHint(QPainter::Antialiasing, false);
        }
        if (nGlyphs & CJavaIDEView::GLYPH_DEBUGGER) {
            QRect r = GlyphRect(CJavaIDEView::GLYPH_DEBUGGER, nTop, nHeight);
            QPainterPath arrow;
            arrow.moveTo(r.left(), r.top());
            arrow.lineTo(r.right() + 1, r.center().y() + 0.5);
            arrow.lineTo(r.left(), r.bottom() + 1);
            arrow.closeSubpath();
            painter.setPen(QColor(120, 90, 0));
            painter.setBrush(GlyphColor(CJavaIDEView::GLYPH_DEBUGGER));
            painter.drawPath(arrow);
        }
        if (nGlyphs & CJavaIDEView::GLYPH_MARKED)
            painter.fillRect(GlyphRect(CJavaIDEView::GLYPH_MARKED, nTop, nHeight),
                             GlyphColor(CJavaIDEView::GLYPH_MARKED));
    }
}
