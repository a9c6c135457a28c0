#include "ColorOptions.h"

#include "CPPLanguage.h"
#include "CPPDataTypes.h"
#include "CPPKeywords.h"
#include "HTMLKeywords.h"
#include "HTMLLanguage.h"
#include "JavaDataTypes.h"
#include "JavaKeywords.h"
#include "JavaLanguage.h"
#include "LineCommentText.h"
#include "NumberKeywords.h"
#include "TextFormat.h"
#include "TinctoView.h"

#include <algorithm>
#include <cstring>

CColorOptions::CColorOptions(COLORREF clrBackground) : m_clrBackground(clrBackground)
{
    CJavaLanguage* pJava = CTinctoView::GetJavaLanguage();
    CTextFormat* added[] = {CTinctoView::GetNormalText(),
                            CTinctoView::GetBlockCommentText(),
                            CTinctoView::GetStringText(),
                            pJava->GetJavaKeywords()->GetTextFormat(),
                            pJava->GetJavaDataTypes()->GetTextFormat(),
                            pJava->GetNumberKeywords()->GetTextFormat()};
    // Each is added at the head, so the list runs from the last to the first.
    for (CTextFormat* pFormat : added)
        m_formats.insert(m_formats.begin(), pFormat);
}

std::vector<CTextFormat*> CColorOptions::GetSortedFormats() const
{
    std::vector<CTextFormat*> sorted = m_formats;
    std::stable_sort(sorted.begin(), sorted.end(), [](CTextFormat* a, CTextFormat* b) {
        return strcasecmp(a->GetFormatName(), b->GetFormatName()) < 0;
    });
    return sorted;
}

void CColorOptions::Default(COLORREF clrWindow)
{
    m_clrBackground = clrWindow;
    for (CTextFormat* pFormat : m_formats)
        pFormat->Default();
}

void CColorOptions::Apply()
{
    for (CTextFormat* a : m_formats) {
        for (CTextFormat* b : m_formats) {
            if (a == b)
                continue;
            // The format moves its own channel in its stored colour; the
            // step is carried into the colour being edited, which ApplyFormat
            // commits (it would otherwise overwrite the stored channels).
            BYTE before[3] = {a->GetRed(), a->GetGreen(), a->GetBlue()};
            a->AdjustColor(b);
            BYTE after[3] = {a->GetRed(), a->GetGreen(), a->GetBlue()};
            COLORREF clr = a->GetTextForeColor();
            BYTE channels[3] = {GetRValue(clr), GetGValue(clr), GetBValue(clr)};
            BOOL bMoved = FALSE;
            for (int i = 0; i < 3; ++i) {
                if (before[i] != after[i]) {
                    channels[i] = channels[i] == 255 ? 254 : static_cast<BYTE>(channels[i] + 1);
                    bMoved = TRUE;
                }
            }
            if (bMoved)
                a->SetTextForeColor(RGB(channels[0], channels[1], channels[2]));
        }
    }
    for (CTextFormat* pFormat : m_formats)
        pFormat->ApplyFormat();
    CTinctoView::SetBackgroundColor(m_clrBackground);
}

void CColorOptions::ReloadOtherFormats()
{
    CTinctoView::GetLineCommentText()->Init();
    CCPPLanguage* pCPP = CTinctoView::GetCPPLanguage();
    pCPP->GetCPPKeywords()->GetTextFormat()->Init();
    pCPP->GetCPPDataTypes()->GetTextFormat()->Init();
    pCPP->GetNumberKeywords()->GetTextFormat()->Init();
    CHTMLLanguage* pHTML = CTinctoView::GetHTMLLanguage();
    pHTML->GetHTMLKeywords()->GetTextFormat()->Init();
    pHTML->GetNumberKeywords()->GetTextFormat()->Init();
}
