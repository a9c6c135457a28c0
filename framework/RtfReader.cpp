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
        case stText: {
            const BYTE* q = p;
            while (q < pEnd && !s_special.table[*q])
                ++q;
            if (q > p) {
                EmitText(reinterpret_cast<const char*>(p), static_cast<LONG>(q - p));
                p = q;
                if (p == pEnd)
                    break;
            }
            BYTE ch = *p++;
            if (ch == '\\')
                m_nState = stEscape;
            else if (ch == '{')
                PushGroup();
            else if (ch == '}')
                PopGroup();
            // Raw CR, LF and NUL carry no text.
            break;
        }
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
    m_szWord[m_nWordLength] = '\0';
    LONG lParam = m_bNegative ? -m_lParam : m_lParam;
    if (!m_bWordTooLong)
        ControlWord(m_szWord, m_bHasDigits, lParam);
    m_nWordLength = 0;
}

void CRtfReader::ControlWord(const char* pszWord, bool bHasParam, LONG lParam)
{
    if (m_group.nDest == destSkip)
        return;
    if (m_group.nDest == destColorTable) {
        int nChannel = std::strcmp(pszWord, "red") == 0     ? 0
                       : std::strcmp(pszWord, "green") == 0 ? 1
                       : std::strcmp(pszWord, "blue") == 0  ? 2
                                                            : -1;
        if (nChannel >= 0) {
            m_rgb[nChannel] = static_cast<BYTE>(std::clamp<LONG>(bHasParam ? lParam : 0, 0, 255));
            m_bEntryHasColor = true;
        }
        return;
    }
    bool bOn = !bHasParam || lParam != 0;
    switch (pszWord[0]) {
    case 'b':
        if (pszWord[1] == '\0') {
            m_group.dwEffects = bOn ? (m_group.dwEffects | CFE_BOLD) : (m_group.dwEffects & ~CFE_BOLD);
            m_bFormatDirty = true;
            return;
        }
        break;
    case 'c':
        if (std::strcmp(pszWord, "cf") == 0) {
            LONG nIndex = bHasParam ? lParam : 0;
            bool bKnown = nIndex >= 0 && nIndex < static_cast<LONG>(m_colors.size()) &&
                          !m_autoColors[static_cast<size_t>(nIndex)];
            m_group.crColor = bKnown ? m_colors[static_cast<size_t>(nIndex)] : m_cfDefault.crTextColor;
            m_bFormatDirty = true;
            return;
        }
        if (std::strcmp(pszWord, "colortbl") == 0) {
            m_group.nDest = destColorTable;
            m_colors.clear();
            m_autoColors.clear();
            m_bEntryHasColor = false;
            m_rgb[0] = m_rgb[1] = m_rgb[2] = 0;
            return;
        }
        break;
    case 'f':
        if (std::strcmp(pszWord, "fs") == 0) {
            m_group.yHeight = bHasParam && lParam > 0 ? std::min<LONG>(lParam, 3276) * 10 : m_cfDefault.yHeight;
            m_bFormatDirty = true;
            return;
        }
        break;
    case 'i':
        if (pszWord[1] == '\0') {
            m_group.dwEffects = bOn ? (m_group.dwEffects | CFE_ITALIC) : (m_group.dwEffects & ~CFE_ITALIC);
            m_bFormatDirty = true;
            return;
        }
        break;
    case 'l':
        if (std::strcmp(pszWord, "line") == 0) {
            LineBreak();
            return;
        }
        break;
    case 'p':
        if (std::strcmp(pszWord, "par") == 0) {
            LineBreak();
            return;
        }
        if (std::strcmp(pszWord, "plain") == 0) {
            m_group.crColor = m_cfDefault.crTextColor;
            m_group.dwEffects = m_cfDefault.dwEffects;
            m_group.yHeight = m_cfDefault.yHeight;
            m_bFormatDirty = true;
            return;
        }
        break;
    case 't':
        if (std::strcmp(pszWord, "tab") == 0) {
            EmitChar('\t');
            return;
        }
        break;
    case 'u':
        if (std::strcmp(pszWord, "ul") == 0 || std::strcmp(pszWord, "ulnone") == 0) {
            bool bUnderline = pszWord[2] == '\0' && bOn;
            m_group.dwEffects = bUnderline ? (m_group.dwEffects | CFE_UNDERLINE) : (m_group.dwEffects & ~CFE_UNDERLINE);
            m_bFormatDirty = true;
            return;
        }
        break;
    default:
        break;
    }
    for (const char* pszSkipped : s_skippedDestinations) {
        if (std::strcmp(pszWord, pszSkipped) == 0) {
            m_group.nDest = destSkip;
            return;
        }
    }
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
    m_group = m_stack.back();
    m_stack.pop_back();
    m_bFormatDirty = true;
}

void CRtfReader::EndColorEntry()
{
    m_colors.push_back(RGB(m_rgb[0], m_rgb[1], m_rgb[2]));
    m_autoColors.push_back(!m_bEntryHasColor);
    m_rgb[0] = m_rgb[1] = m_rgb[2] = 0;
    m_bEntryHasColor = false;
}
