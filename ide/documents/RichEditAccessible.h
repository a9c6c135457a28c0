// CRichEditAccessible: what screen readers see of a CRichEditWidget: an
// editable text (a static text while the control is read-only) whose
// offsets are characters of the text as the user sees it (see
// CCharacterOffsets), with its caret, selection, the character under a
// point, each character's rectangle and the format runs as attributes.
// Edits from the reader go through the widget's message target as the
// keyboard's would, so a read-only control refuses them.
#pragma once

#include <QAccessibleWidget>

class CRichEditWidget;
class CCharacterOffsets;
class CRichEditCtrl;

class CRichEditAccessible : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    explicit CRichEditAccessible(CRichEditWidget* pWidget);

    // Makes Qt use this interface for every CRichEditWidget (once per process).
    static void Install();

    // QAccessibleInterface
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface
    void selection(int nSelection, int* pStart, int* pEnd) const override;
    int selectionCount() const override;
    void addSelection(int nStart, int nEnd) override;
    void removeSelection(int nSelection) override;
    void setSelection(int nSelection, int nStart, int nEnd) override;
    int cursorPosition() const override;
    void setCursorPosition(int nPosition) override;
    QString text(int nStart, int nEnd) const override;
    QString textBeforeOffset(int nOffset, QAccessible::TextBoundaryType type, int* pStart, int* pEnd) const override;
    QString textAfterOffset(int nOffset, QAccessible::TextBoundaryType type, int* pStart, int* pEnd) const override;
    QString textAtOffset(int nOffset, QAccessible::TextBoundaryType type, int* pStart, int* pEnd) const override;
    int characterCount() const override;
    QRect characterRect(int nOffset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int nStart, int nEnd) override;
    QString attributes(int nOffset, int* pStart, int* pEnd) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int nStart, int nEnd) override;
    void insertText(int nOffset, const QString& strText) override;
    void replaceText(int nStart, int nEnd, const QString& strText) override;

private:
    CRichEditWidget* Widget() const;
    CRichEditCtrl* Ctrl() const;
    // The widget's reader copy of the text, current; null without a control.
    const CCharacterOffsets* Offsets() const;
    bool CanEdit() const;
    // Selects characters [nStart, nEnd) with the caret at nEnd, through the target.
    void Select(int nStart, int nEnd);
    // Types strText at the selection as the keyboard would.
    void Type(const QString& strText);
};
