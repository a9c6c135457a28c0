// Fuzz target: the rich text reader of the editor's control. The first
// byte chooses the mode and the second the piece size:
//   even  the rest is rich text; read in one piece and in pieces of the
//         chosen size, it must give the same text with the same formats,
//         CR LF line ends only and runs and lines that cover the text;
//   odd   the rest is a source text; the rich text the tokenizer streams
//         for it (the second byte chooses the language and the transfer
//         buffer size, 64 to 4096 bytes) must read back to
//         the text itself, every line end a CR LF.
#include "CharFormatTable.h"
#include "RichTextExport.h"
#include "RtfReader.h"
#include "TextPiece.h"
#include "TinctoView.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Check(bool bOk)
{
    if (!bOk)
        abort();
}

CHARFORMAT DefaultFormat()
{
    CHARFORMAT cf;
    std::memset(&cf, 0, sizeof cf);
    cf.cbSize = sizeof cf;
    cf.dwMask = CCharFormatTable::SUPPORTED_MASK;
    cf.yHeight = 200;
    std::strcpy(cf.szFaceName, "Courier New");
    return cf;
}

struct CReadResult {
    std::string m_strText;
    std::vector<CString> m_formats;  // one per character
};

CReadResult Read(const uint8_t* pData, size_t nSize, size_t nPiece)
{
    CCharFormatTable table;
    CTextPiece piece;
    const CHARFORMAT cf = DefaultFormat();
    piece.SetFormat(table.Intern(cf));
    CRtfReader reader(table, cf, piece);
    for (size_t nAt = 0; nAt < nSize; nAt += nPiece)
        reader.Feed(pData + nAt, static_cast<LONG>(std::min(nPiece, nSize - nAt)));
    reader.Finish();

    CReadResult result;
    result.m_strText.assign(piece.GetText() ? piece.GetText() : "", static_cast<size_t>(piece.GetLength()));
    // Runs cover the text exactly and name formats of the table.
    for (DWORD dwRun : piece.Runs()) {
        int nFormat = static_cast<int>(dwRun >> 16);
        Check(nFormat < table.GetCount());
        CString strFormat = CCharFormatTable::Describe(table.GetAt(nFormat));
        for (DWORD i = 0; i < (dwRun & 0xFFFF); ++i)
            result.m_formats.push_back(strFormat);
    }
    Check(result.m_formats.size() == result.m_strText.size());
    // Lines: each ends in CR LF, together with the tail they are the text.
    size_t nLineStart = 0;
    for (DWORD dwLength : piece.LineLengths()) {
        Check(dwLength >= 2 && nLineStart + dwLength <= result.m_strText.size());
        Check(result.m_strText.compare(nLineStart + dwLength - 2, 2, "\r\n") == 0);
        Check(result.m_strText.substr(nLineStart, dwLength - 2).find_first_of("\r\n") == std::string::npos);
        nLineStart += dwLength;
    }
    Check(nLineStart + static_cast<size_t>(piece.GetTailLength()) == result.m_strText.size());
    Check(result.m_strText.find_first_of(std::string("\r\n\0", 3), nLineStart) == std::string::npos);
    return result;
}

// The text as the control holds it: every line end a CR LF, no NUL.
std::string AsControlText(const std::string& strText)
{
    CTextPiece piece;
    piece.AppendPlain(strText.data(), static_cast<LONG>(strText.size()));
    return std::string(piece.GetText() ? piece.GetText() : "", static_cast<size_t>(piece.GetLength()));
}

void FuzzExport(const uint8_t* pData, size_t nSize, uint8_t nChoice)
{
    static const char* const s_names[] = {"F.java", "F.cpp", "F.html", "F.txt"};
    static bool s_bInit = false;
    if (!s_bInit) {
        CTinctoView::Init(RGB(255, 255, 255), 100);
        s_bInit = true;
    }
    CTinctoView view;
    view.SetPathName(s_names[nChoice / 64]);
    const long lBufferSize = 64L << (nChoice % 7);
    // NUL bytes, which the control drops, would only part a CR from its LF.
    std::string strText(reinterpret_cast<const char*>(pData), nSize);
    strText.erase(std::remove(strText.begin(), strText.end(), '\0'), strText.end());
    std::string strRtf = CRichTextExport::Export(&view, strText.data(), static_cast<long>(strText.size()), lBufferSize);
    CReadResult result = Read(reinterpret_cast<const uint8_t*>(strRtf.data()), strRtf.size(), strRtf.size() + 1);
    const std::string strExpected = AsControlText(strText);
    if (result.m_strText != strExpected && std::getenv("MOSK_FUZZ_VERBOSE"))
        std::fprintf(stderr, "rich text:\n%s\nread: [%s]\nexpected: [%s]\n", strRtf.c_str(),
                     result.m_strText.c_str(), strExpected.c_str());
    Check(result.m_strText == strExpected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize < 2)
        return 0;
    const size_t nPiece = pData[1] % 64 + 1;
    if (pData[0] % 2 == 1) {
        FuzzExport(pData + 2, nSize - 2, pData[1]);
        return 0;
    }
    CReadResult whole = Read(pData + 2, nSize - 2, nSize);
    CReadResult pieces = Read(pData + 2, nSize - 2, nPiece);
    Check(whole.m_strText == pieces.m_strText);
    Check(whole.m_formats == pieces.m_formats);
    return 0;
}
