#include "RtfReader.h"

#include "CharFormatTable.h"
#include "TextPiece.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsLetter(BYTE ch)
{
    return static_cast<BYTE>((ch | 0x20) - 'a') < 26;
}

bool IsDigit(BYTE ch)
{
    return static_cast<BYTE>(ch - '0') < 10;
}

int HexValue(BYTE ch)
{
    if (IsDigit(ch))
        return ch - '0';
    BYTE lower = ch | 0x20;
    if (lower >= 'a' && lower <= 'f')
        return lower - 'a' + 10;
    return -1;
}

// Bytes that end a stretch of plain text.
struct SSpecialBytes {
    bool table[256] = {};
    SSpecialBytes()
    {
        for (BYTE ch : {'\\', '{', '}', '\r', '\n', '\0'})
            table[ch] = true;
    }
};
const SSpecialBytes s_special;

// Destinations whose groups hold no text of the document.
const char* const s_skippedDestinations[] = {
    "fonttbl", "stylesheet", "info", "pict", "object", "header", "footer", "headerl", "headerr",
    "headerf", "footerl", "footerr", "footerf", "footnote", "annotation", "filetbl", "listtable",
    "listoverridetable", "revtbl", "rsidtbl", "generator", "themedata", "colorschememapping",
    "latentstyles", "datastore", "xmlnstbl", "fldinst", "bkmkstart", "bkmkend", "nonshppict",
};

}  // namespace

CRtfReader::CRtfReader(CCharFormatTable& table, const CHARFORMAT& cfDefault, CTextPiece& piece)
    : m_table(table), m_piece(piece), m_cfDefault(CCharFormatTable::Normalized(cfDefault))
{
    m_group.crColor = m_cfDefault.crTextColor;
    m_group.dwEffects = m_cfDefault.dwEffects;
    m_group.yHeight = m_cfDefault.yHeight;
    m_group.nDest = destText;
}

void CRtfReader::Feed(const BYTE* pb, LONG nCount)
{
    const BYTE* p = pb;
    const BYTE* pEnd = pb + std::max<LONG>(nCount, 0);
    while (p < pEnd) {
        switch (m_nState) {
        case stText:
            p = ReadText(p, pEnd);
            break;
        case stEscape:
            if (IsLetter(*p)) {
                m_nState = stWord;
                m_nWordLength = 0;
                m_bWordTooLong = false;
                m_bNegative = false;
                m_bHasDigits = false;
                m_lParam = 0;
            } else {
                m_nState = stText;
                ControlSymbol(*p++);
            }
            break;
        case stWord:
            while (p < pEnd && IsLetter(*p)) {
                if (m_nWordLength < MAX_WORD)
                    m_szWord[m_nWordLength++] = static_cast<char>(*p);
                else
                    m_bWordTooLong = true;
                ++p;
            }
            if (p == pEnd)
                break;
            if (*p == '-') {
                // The sign of a numeric parameter, consumed even when no
                // digit follows.
                m_bNegative = true;
                m_nState = stParam;
                ++p;
            } else if (IsDigit(*p)) {
                m_nState = stParam;
            } else {
                if (*p == ' ')
                    ++p;
                EndWord();
            }
            break;
        case stParam:
            while (p < pEnd && IsDigit(*p)) {
                if (m_lParam < 100000000)
                    m_lParam = m_lParam * 10 + (*p - '0');
                m_bHasDigits = true;
                ++p;
            }
            if (p == pEnd)
                break;
            if (*p == ' ')
                ++p;
            EndWord();
            break;
        case stHex: {
            int nValue = HexValue(*p);
            if (nValue < 0) {
                // A broken escape: drop it and read the byte as usual.
                m_nState = stText;
                break;
            }
            ++p;
            m_nHexValue = m_nHexValue * 16 + nValue;
            if (++m_nHexDigits == 2) {
                m_nState = stText;
                char ch = static_cast<char>(m_nHexValue);
                if (ch != '\r' && ch != '\n' && ch != '\0')
                    EmitChar(ch);
            }
            break;
        }
        }
    }
}

const BYTE* CRtfReader::ReadText(const BYTE* p, const BYTE* pEnd)
{
    // Stays here while the text state lasts; control words and symbols that
    // lie wholly inside the buffer are handled on the spot.
    while (p < pEnd) {
        const BYTE* q = p;
        while (q < pEnd && !s_special.table[*q])
            ++q;
        if (q > p) {
            if (m_group.nDest == destText) {
                if (m_bFormatDirty)
                    FlushFormat();
                m_piece.AppendText(reinterpret_cast<const char*>(p), static_cast<LONG>(q - p));
            } else {
                EmitText(reinterpret_cast<const char*>(p), static_cast<LONG>(q - p));
            }
            p = q;
            if (p == pEnd)
                break;
        }
        BYTE ch = *p++;
        if (ch == '{') {
            PushGroup();
            continue;
        }
        if (ch == '}') {
            PopGroup();
            continue;
        }
        if (ch != '\\')
            continue;  // raw CR, LF and NUL carry no text
        if (p == pEnd) {
            m_nState = stEscape;
            break;
        }
        if (!IsLetter(*p)) {
            BYTE sym = *p++;
            if (m_group.nDest == destText && (sym == ' ' || IsDigit(sym) || sym == '\\' || sym == '{' || sym == '}')) {
                // The escapes the colouring engine writes most: spaces and digits.
                if (m_bFormatDirty)
                    FlushFormat();
                m_piece.AppendChar(static_cast<char>(sym));
                continue;
            }
            ControlSymbol(sym);
            if (m_nState != stText)
                break;
            continue;
        }
        // A control word: letters, an optional '-' and digits, an optional
        // space. Only when its end is inside the buffer; else the states
        // carry it over.
        const BYTE* pWord = p;
        const BYTE* r = p;
        while (r < pEnd && IsLetter(*r))
            ++r;
        const BYTE* pWordEnd = r;
        bool bNegative = r < pEnd && *r == '-';
        if (bNegative)
            ++r;
        LONG lParam = 0;
        bool bHasDigits = false;
        while (r < pEnd && IsDigit(*r)) {
            if (lParam < 100000000)
                lParam = lParam * 10 + (*r - '0');
            bHasDigits = true;
            ++r;
        }
        if (r == pEnd) {
            m_nState = stEscape;
            p = pWord;
            break;
        }
        if (*r == ' ')
            ++r;
        p = r;
        LONG nWord = static_cast<LONG>(pWordEnd - pWord);
        if (nWord <= MAX_WORD)
            ControlWord(reinterpret_cast<const char*>(pWord), nWord, bHasDigits, bNegative ? -lParam : lParam);
    }
    return p;
}

void CRtfReader::Finish()
{
    if (m_nState == stWord || m_nState == stParam)
        EndWord();
    m_nState = stText;
}

void CRtfReader::FlushFormat()
{
    if (!m_bFormatDirty)
        return;
    m_bFormatDirty = false;
    int nIndex = -1;
    for (const SKnown& known : m_known) {
        if (known.crColor == m_group.crColor && known.dwEffects == m_group.dwEffects && known.yHeight == m_group.yHeight) {
            nIndex = known.nIndex;
            break;
        }
    }
    if (nIndex < 0) {
        CHARFORMAT cf = m_cfDefault;
        cf.crTextColor = m_group.crColor;
        cf.dwEffects = m_group.dwEffects;
        cf.yHeight = m_group.yHeight;
        nIndex = m_table.Intern(cf);
        m_known.push_back({m_group.crColor, m_group.dwEffects, m_group.yHeight, nIndex});
    }
    m_piece.SetFormat(nIndex);
}

void CRtfReader::EmitText(const char* pch, LONG nCount)
{
    switch (m_group.nDest) {
    case destText:
        FlushFormat();
        m_piece.AppendText(pch, nCount);
        break;
    case destColorTable:
        for (LONG i = 0; i < nCount; ++i) {
            if (pch[i] == ';')
                EndColorEntry();
        }
        break;
    case destSkip:
        break;
    }
}

void CRtfReader::LineBreak()
{
    if (m_group.nDest != destText)
        return;
    FlushFormat();
    m_piece.AppendLineBreak();
}

void CRtfReader::ControlSymbol(BYTE ch)
{
    switch (ch) {
    case '\\':
    case '{':
    case '}':
    case ' ':
        EmitChar(static_cast<char>(ch));
        break;
    case '\'':
        m_nState = stHex;
        m_nHexDigits = 0;
        m_nHexValue = 0;
        break;
    case '*':
        m_group.nDest = destSkip;
        break;
    case '\r':
    case '\n':
        LineBreak();
        break;
    case '~':
        EmitChar(' ');
        break;
    case '_':
        EmitChar('-');
        break;
    case '\t':
        EmitChar('\t');
        break;
    default:
        if (IsDigit(ch))
            EmitChar(static_cast<char>(ch));
        // Any other symbol (optional hyphen, formula, ...) is skipped.
        break;
    }
}

void CRtfReader::EndWord()
{
    m_nState = stText;
    LONG lParam = m_bNegative ? -m_lParam : m_lParam;
    if (!m_bWordTooLong)
        ControlWord(m_szWord, m_nWordLength, m_bHasDigits, lParam);
    m_nWordLength = 0;
}

void CRtfReader::ControlWord(const char* pchWord, LONG nLength, bool bHasParam, LONG lParam)
{
    auto is = [&](const char* pszName) {
        return std::strlen(pszName) == static_cast<size_t>(nLength) && std::memcmp(pchWord, pszName, static_cast<size_t>(nLength)) == 0;
    };
    if (m_group.nDest == destSkip)
        return;
    if (m_group.nDest == destColorTable) {
        int nChannel = is("red") ? 0 : is("green") ? 1 : is("blue") ? 2 : -1;
        if (nChannel >= 0) {
            m_rgb[nChannel] = static_cast<BYTE>(std::clamp<LONG>(bHasParam ? lParam : 0, 0, 255));
            m_bEntryHasColor = true;
        }
        return;
    }
    bool bOn = !bHasParam || lParam != 0;
    DWORD dwEffect = 0;
    if (nLength == 1 && pchWord[0] == 'b')
        dwEffect = CFE_BOLD;
    else if (nLength == 1 && pchWord[0] == 'i')
        dwEffect = CFE_ITALIC;
    else if (is("ul"))
        dwEffect = CFE_UNDERLINE;
    if (dwEffect) {
        DWORD dwEffects = bOn ? (m_group.dwEffects | dwEffect) : (m_group.dwEffects & ~dwEffect);
        SetAttributes(m_group.crColor, dwEffects, m_group.yHeight);
    } else if (is("cf")) {
        LONG nIndex = bHasParam ? lParam : 0;
        bool bKnown = nIndex >= 0 && nIndex < static_cast<LONG>(m_colors.size()) && !m_autoColors[static_cast<size_t>(nIndex)];
        SetAttributes(bKnown ? m_colors[static_cast<size_t>(nIndex)] : m_cfDefault.crTextColor, m_group.dwEffects,
                      m_group.yHeight);
    } else if (is("line") || is("par")) {
        LineBreak();
    } else if (is("fs")) {
        LONG yHeight = bHasParam && lParam > 0 ? std::min<LONG>(lParam, 3276) * 10 : m_cfDefault.yHeight;
        SetAttributes(m_group.crColor, m_group.dwEffects, yHeight);
    } else if (is("tab")) {
        EmitChar('\t');
    } else if (is("plain")) {
        SetAttributes(m_cfDefault.crTextColor, m_cfDefault.dwEffects, m_cfDefault.yHeight);
    } else if (is("ulnone")) {
        SetAttributes(m_group.crColor, m_group.dwEffects & ~CFE_UNDERLINE, m_group.yHeight);
    } else if (is("colortbl")) {
        m_group.nDest = destColorTable;
        m_colors.clear();
        m_autoColors.clear();
        m_bEntryHasColor = false;
        m_rgb[0] = m_rgb[1] = m_rgb[2] = 0;
    } else {
        for (const char* pszSkipped : s_skippedDestinations) {
            if (is(pszSkipped)) {
                m_group.nDest = destSkip;
                break;
            }
        }
    }
}

void CRtfReader::SetAttributes(COLORREF crColor, DWORD dwEffects, LONG yHeight)
{
    if (crColor == m_group.crColor && dwEffects == m_group.dwEffects && yHeight == m_group.yHeight)
        return;
    m_group.crColor = crColor;
    m_group.dwEffects = dwEffects;
    m_group.yHeight = yHeight;
    m_bFormatDirty = true;
}

void CRtfReader::PushGroup()
{
    if (m_stack.size() >= MAX_DEPTH) {
        ++m_nExtraDepth;
        return;
    }
    m_stack.push_back(m_group);
}

void CRtfReader::PopGroup()
{
    if (m_nExtraDepth > 0) {
        --m_nExtraDepth;
        return;
    }
    if (m_stack.empty())
        return;  // an unbalanced '}' is ignored
    if (m_group.nDest == destColorTable && m_bEntryHasColor)
        EndColorEntry();
    const SGroup& outer = m_stack.back();
    m_group.nDest = outer.nDest;
    SetAttributes(outer.crColor, outer.dwEffects, outer.yHeight);
    m_stack.pop_back();
}

void CRtfReader::EndColorEntry()
{
    m_colors.push_back(RGB(m_rgb[0], m_rgb[1], m_rgb[2]));
    m_autoColors.push_back(!m_bEntryHasColor);
    m_rgb[0] = m_rgb[1] = m_rgb[2] = 0;
    m_bEntryHasColor = false;
}
