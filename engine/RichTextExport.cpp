#include "RichTextExport.h"

#include "StreamInData.h"
#include "TinctoView.h"

#include <cassert>
#include <vector>

std::string CRichTextExport::Export(CTinctoView* pView, const char* pText, long nLength, long lBufferSize,
                                    int* pnTransfers)
{
    assert(lBufferSize > 0);
    pView->BeginTransfer(pText, nLength);
    CStreamInData data(pView);
    data.SetFormat(&CTinctoView::m_NormalTxt);
    CEditStreamCookie cookie{nullptr, &data, 0};

    std::string strOut;
    std::vector<BYTE> buffer(static_cast<size_t>(lBufferSize));
    int nTransfers = 0;
    for (;;) {
        LONG lCount = 0;
        DWORD dwResult = CTinctoView::EditStreamCallBack(reinterpret_cast<DWORD_PTR>(&cookie), buffer.data(),
                                                         static_cast<LONG>(lBufferSize), &lCount);
        if (dwResult != 0 || lCount <= 0)
            break;
        ++nTransfers;
        strOut.append(reinterpret_cast<const char*>(buffer.data()), static_cast<size_t>(lCount));
        // Rich text is a bounded multiple of its text; a transfer that keeps
        // going past that bound is repeating itself, and is cut off.
        if (strOut.size() > 64 * static_cast<size_t>(nLength) + 65536)
            break;
    }
    pView->EndTransfer();
    if (pnTransfers)
        *pnTransfers = nTransfers;
    return strOut;
}
