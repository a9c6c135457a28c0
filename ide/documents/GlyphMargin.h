// CGlyphMargin: the strip left of a source view's text that shows the marks
// of its lines: a bookmark (cyan bar), a breakpoint (red disc), the
// debugger's line (yellow arrow) and the marked error line (blue wedge at
// the right edge). It asks the view which marks each shown line has.
#pragma once

#include <QColor>
#include <QWidget>

class CJavaIDEView;
class CRichEditWidget;

class CGlyphMargin : public QWidget {
    Q_OBJECT
public:
    static constexpr int WIDTH = 20;

    CGlyphMargin(CJavaIDEView* pView, CRichEditWidget* pEditor);

    // Where glyph nGlyph (one CJavaIDEView::GLYPH_* bit) of a line whose
    // row starts at y nTop and is nHeight high is drawn, in margin coordinates.
    static QRect GlyphRect(int nGlyph, int nTop, int nHeight);
    static QColor GlyphColor(int nGlyph);

    QSize sizeHint() const override { return QSize(WIDTH, 0); }

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    CJavaIDEView* m_pView;
    CRichEditWidget* m_pEditor;
};
