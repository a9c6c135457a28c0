#include "RichEditAccessible.h"

#include "CharacterOffsets.h"
#include "MessageTarget.h"
#include "RichEditCtrl.h"
#include "RichEditWidget.h"

#include <QFont>

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

QAccessibleInterface* CreateAccessible(const QString& strClassName, QObject* pObject)
{
    if (strClassName == QLatin1String("CRichEditWidget") && pObject && pObject->isWidgetType())
        return new CRichEditAccessible(static_cast<CRichEditWidget*>(pObject));
    return nullptr;
}

QString FromUcs4(const std::u32string& text)
{
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

CCharacterOffsets::EBoundary BoundaryOf(QAccessible::TextBoundaryType type)
{
    switch (type) {
    case QAccessible::CharBoundary: return CCharacterOffsets::EBoundary::Character;
    case QAccessible::WordBoundary: return CCharacterOffsets::EBoundary::Word;
    case QAccessible::NoBoundary: return CCharacterOffsets::EBoundary::All;
    default: return CCharacterOffsets::EBoundary::Line;   // sentences and paragraphs are lines here
    }
}

}  // namespace

CRichEditAccessible::CRichEditAccessible(CRichEditWidget* pWidget)
    : QAccessibleWidget(pWidget, QAccessible::EditableText)
{
}

void CRichEditAccessible::Install()
{
    static std::once_flag s_once;
    std::call_once(s_once, [] { QAccessible::installFactory(&CreateAccessible); });
}

CRichEditWidget* CRichEditAccessible::Widget() const
{
    return static_cast<CRichEditWidget*>(widget());
}

CRichEditCtrl* CRichEditAccessible::Ctrl() const
{
    return Widget()->GetEditCtrl();
}

const CCharacterOffsets* CRichEditAccessible::Offsets() const
{
    return Widget()->GetCharacterOffsets();
}

bool CRichEditAccessible::CanEdit() const
{
    return Ctrl() && !Ctrl()->GetReadOnly() && Widget()->GetMessageTarget();
}

QAccessible::Role CRichEditAccessible::role() const
{
    return Ctrl() && Ctrl()->GetReadOnly() ? QAccessible::StaticText : QAccessible::EditableText;
}

QAccessible::State CRichEditAccessible::state() const
{
    QAccessible::State st = QAccessibleWidget::state();
    const bool bReadOnly = !Ctrl() || Ctrl()->GetReadOnly();
    st.editable = !bReadOnly;
    st.readOnly = bReadOnly;
    st.multiLine = true;
    st.selectableText = true;
    st.focusable = true;
    return st;
}

QString CRichEditAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        // Unnamed, it takes the title of the window around it (the document's).
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        for (const QWidget* p = widget()->parentWidget(); p; p = p->parentWidget()) {
            if (!p->windowTitle().isEmpty())
                return p->windowTitle();
        }
        return QString();
    }
    return QAccessibleWidget::text(t);
}

void* CRichEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface && CanEdit())
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

// ---- Selection and caret

void CRichEditAccessible::selection(int nSelection, int* pStart, int* pEnd) const
{
    *pStart = *pEnd = 0;
    const CCharacterOffsets* pOffsets = Offsets();
    if (!pOffsets || nSelection != 0)
        return;
    LONG nStart, nEnd;
    Ctrl()->GetSel(nStart, nEnd);
    if (nStart >= nEnd)
        return;
    *pStart = pOffsets->CharFromPos(nStart);
    *pEnd = pOffsets->CharFromPos(nEnd);
}

int CRichEditAccessible::selectionCount() const
{
    if (!Ctrl())
        return 0;
    LONG nStart, nEnd;
    Ctrl()->GetSel(nStart, nEnd);
    return nStart < nEnd ? 1 : 0;
}

void CRichEditAccessible::Select(int nStart, int nEnd)
{
    const CCharacterOffsets* pOffsets = Offsets();
    IMessageTarget* pTarget = Widget()->GetMessageTarget();
    if (!pOffsets || !pTarget)
        return;
    pTarget->SendMessage(EM_SETSEL, static_cast<WPARAM>(pOffsets->PosFromChar(nStart)),
                         static_cast<LPARAM>(pOffsets->PosFromChar(nEnd)));
}

void CRichEditAccessible::addSelection(int nStart, int nEnd)
{
    // One selection only: a new one replaces it.
    setSelection(0, nStart, nEnd);
}

void CRichEditAccessible::removeSelection(int nSelection)
{
    if (nSelection != 0 || !Ctrl())
        return;
    const int nCaret = cursorPosition();
    Select(nCaret, nCaret);
}

void CRichEditAccessible::setSelection(int nSelection, int nStart, int nEnd)
{
    if (nSelection != 0)
        return;
    Select(std::min(nStart, nEnd), std::max(nStart, nEnd));
}

int CRichEditAccessible::cursorPosition() const
{
    const CCharacterOffsets* pOffsets = Offsets();
    return pOffsets ? pOffsets->CharFromPos(Ctrl()->GetCaret()) : 0;
}

void CRichEditAccessible::setCursorPosition(int nPosition)
{
    Select(nPosition, nPosition);
}

// ---- Text

int CRichEditAccessible::characterCount() const
{
    const CCharacterOffsets* pOffsets = Offsets();
    return pOffsets ? pOffsets->GetCount() : 0;
}

QString CRichEditAccessible::text(int nStart, int nEnd) const
{
    const CCharacterOffsets* pOffsets = Offsets();
    return pOffsets ? FromUcs4(pOffsets->Text(nStart, nEnd)) : QString();
}

QString CRichEditAccessible::textAtOffset(int nOffset, QAccessible::TextBoundaryType type, int* pStart,
                                          int* pEnd) const
{
    *pStart = *pEnd = -1;
    const CCharacterOffsets* pOffsets = Offsets();
    if (!pOffsets || nOffset < 0 || nOffset > pOffsets->GetCount())
        return QString();
    pOffsets->Segment(BoundaryOf(type), nOffset, *pStart, *pEnd);
    return FromUcs4(pOffsets->Text(*pStart, *pEnd));
}

QString CRichEditAccessible::textBeforeOffset(int nOffset, QAccessible::TextBoundaryType type, int* pStart,
                                              int* pEnd) const
{
    *pStart = *pEnd = -1;
    const CCharacterOffsets* pOffsets = Offsets();
    if (!pOffsets || nOffset < 0 || nOffset > pOffsets->GetCount())
        return QString();
    int nAtStart, nAtEnd;
    pOffsets->Segment(BoundaryOf(type), nOffset, nAtStart, nAtEnd);
    if (nAtStart <= 0)
        return QString();
    pOffsets->Segment(BoundaryOf(type), nAtStart - 1, *pStart, *pEnd);
    return FromUcs4(pOffsets->Text(*pStart, *pEnd));
}

QString CRichEditAccessible::textAfterOffset(int nOffset, QAccessible::TextBoundaryType type, int* pStart,
                                             int* pEnd) const
{
    *pStart = *pEnd = -1;
    const CCharacterOffsets* pOffsets = Offsets();
    if (!pOffsets || nOffset < 0 || nOffset > pOffsets->GetCount())
        return QString();
    int nAtStart, nAtEnd;
    pOffsets->Segment(BoundaryOf(type), nOffset, nAtStart, nAtEnd);
    if (nAtEnd >= pOffsets->GetCount())
        return QString();
    pOffsets->Segment(BoundaryOf(type), nAtEnd, *pStart, *pEnd);
    return FromUcs4(pOffsets->Text(*pStart, *pEnd));
}

// ---- Geometry

QRect CRichEditAccessible::characterRect(int nOffset) const
{
    const CCharacterOffsets* pOffsets = Offsets();
    if (!pOffsets || nOffset < 0 || nOffset > pOffsets->GetCount())
        return QRect();
    const QRect cell = Widget()->CharacterRect(pOffsets->PosFromChar(nOffset));
    QWidget* pViewport = Widget()->viewport();
    return QRect(pViewport->mapToGlobal(cell.topLeft()), cell.size());
}

int CRichEditAccessible::offsetAtPoint(const QPoint& point) const
{
    const CCharacterOffsets* pOffsets = Offsets();
    if (!pOffsets)
        return -1;
    QWidget* pViewport = Widget()->viewport();
    const QPoint local = pViewport->mapFromGlobal(point);
    if (!pViewport->rect().contains(local))
        return -1;
    return pOffsets->CharFromPos(Widget()->CharacterFromPoint(local));
}

void CRichEditAccessible::scrollToSubstring(int nStart, int nEnd)
{
    const CCharacterOffsets* pOffsets = Offsets();
    if (!pOffsets)
        return;
    Widget()->ShowPosition(pOffsets->PosFromChar(nStart));
}

QString CRichEditAccessible::attributes(int nOffset, int* pStart, int* pEnd) const
{
    *pStart = *pEnd = -1;
    const CCharacterOffsets* pOffsets = Offsets();
    const CRichEditCtrl* pCtrl = Ctrl();
    if (!pOffsets || nOffset < 0 || nOffset >= pOffsets->GetCount())
        return QString();
    // The format run around the character, within its line.
    const LONG nPos = pOffsets->PosFromChar(nOffset);
    const int nLine = pCtrl->LineFromChar(nPos);
    const LONG nLineStart = pCtrl->LineIndex(nLine);
    const LONG nLineEnd = nLineStart + pCtrl->LineLength(nLineStart);
    LONG nRunStart = nPos, nRunEnd = nPos + 1;
    int nFormat = nPos < pCtrl->GetTextLength() ? pCtrl->GetFormatIndexAt(nPos) : -1;
    if (nPos < nLineEnd) {
        std::vector<DWORD> runs;
        pCtrl->GetFormatRuns(nLineStart, nLineEnd, runs);
        LONG nAt = nLineStart;
        for (DWORD run : runs) {
            const LONG nNext = nAt + CFormatRuns::RunLength(run);
            if (nPos >= nAt && nPos < nNext) {
                nRunStart = nAt;
                nRunEnd = nNext;
                nFormat = CFormatRuns::RunFormat(run);
                break;
            }
            nAt = nNext;
        }
    }
    *pStart = pOffsets->CharFromPos(nRunStart);
    *pEnd = std::max(*pStart + 1, pOffsets->CharFromPos(nRunEnd));

    const QFont& font = Widget()->GetEditorFont();
    QString strAttributes = QStringLiteral("font-family:\"%1\";font-size:%2pt;")
                                .arg(font.family())
                                .arg(font.pointSize());
    const CCharFormatTable& table = pCtrl->GetFormatTable();
    if (nFormat >= 0 && nFormat < table.GetCount()) {
        const CHARFORMAT& cf = table.GetAt(nFormat);
        strAttributes += (cf.dwEffects & CFE_BOLD) ? QStringLiteral("font-weight:700;") : QStringLiteral("font-weight:400;");
        if (cf.dwEffects & CFE_ITALIC)
            strAttributes += QStringLiteral("font-style:italic;");
        if (cf.dwEffects & CFE_UNDERLINE)
            strAttributes += QStringLiteral("text-underline-style:solid;");
        if (!(cf.dwEffects & CFE_AUTOCOLOR))
            strAttributes += QStringLiteral("color:rgb(%1,%2,%3);")
                                 .arg(GetRValue(cf.crTextColor))
                                 .arg(GetGValue(cf.crTextColor))
                                 .arg(GetBValue(cf.crTextColor));
    }
    return strAttributes;
}

// ---- Edits

void CRichEditAccessible::Type(const QString& strText)
{
    IMessageTarget* pTarget = Widget()->GetMessageTarget();
    CRichEditCtrl* pCtrl = Ctrl();
    // Typed text goes in beside what is there, whatever the insert mode.
    const BOOL bOverwrite = pCtrl->GetOverwrite();
    pCtrl->SetOverwrite(FALSE);
    for (char32_t ch : strText.toUcs4()) {
        if (ch == '\n')
            ch = '\r';
        else if (ch < 0x20 && ch != '\t')
            continue;
        pTarget->SendMessage(WM_CHAR, static_cast<WPARAM>(ch), 0);
    }
    pCtrl->SetOverwrite(bOverwrite);
}

void CRichEditAccessible::deleteText(int nStart, int nEnd)
{
    if (!CanEdit() || nStart >= nEnd)
        return;
    Select(nStart, nEnd);
    Widget()->GetMessageTarget()->SendMessage(WM_CLEAR, 0, 0);
}

void CRichEditAccessible::insertText(int nOffset, const QString& strText)
{
    if (!CanEdit())
        return;
    Select(nOffset, nOffset);
    Type(strText);
}

void CRichEditAccessible::replaceText(int nStart, int nEnd, const QString& strText)
{
    if (!CanEdit())
        return;
    if (nStart < nEnd && strText.isEmpty()) {
        deleteText(nStart, nEnd);
        return;
    }
    Select(std::min(nStart, nEnd), std::max(nStart, nEnd));
    Type(strText);
}
