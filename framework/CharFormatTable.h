// CCharFormatTable: the distinct character formats of a rich-edit text.
// Format runs refer to formats by their index here, so a text with a handful
// of colours keeps one small record per colour instead of one per character.
// Only the attributes the control supports count: colour, bold, italic,
// underline, face and size.
#pragma once

#include "String.h"

#include <vector>

class CCharFormatTable {
public:
    // Mask of the attributes a format record carries.
    static constexpr DWORD SUPPORTED_MASK = CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_FACE | CFM_SIZE;
    static constexpr DWORD SUPPORTED_EFFECTS = CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE;
    // Most formats a table holds; run items keep the index in 16 bits.
    static constexpr int MAX_FORMATS = 0xFFFF;

    // Index of the format equal to cf (its supported attributes), added when
    // new. When the table is full the last format added stands in.
    int Intern(const CHARFORMAT& cf);
    // Format at nIndex in [0, GetCount()).
    const CHARFORMAT& GetAt(int nIndex) const { return m_formats[static_cast<size_t>(nIndex)]; }
    int GetCount() const { return static_cast<int>(m_formats.size()); }
    void RemoveAll();
    // Keeps only the formats whose flag in used is set; remap receives the
    // new index of every old one (-1 for dropped ones).
    void Compact(const std::vector<bool>& used, std::vector<int>& remap);

    size_t GetMemoryUsage() const { return sizeof(*this) + m_formats.capacity() * sizeof(CHARFORMAT); }

    // cf reduced to the supported attributes, with a terminated face name
    // and the full supported mask.
    static CHARFORMAT Normalized(const CHARFORMAT& cf);
    // Whether the supported attributes of two normalised formats agree.
    static bool IsSame(const CHARFORMAT& a, const CHARFORMAT& b);
    // Mask of the supported attributes in which a and b agree.
    static DWORD AgreeingMask(const CHARFORMAT& a, const CHARFORMAT& b);
    // Copies into cfTarget the attributes of cfSource named by dwMask.
    static void Apply(CHARFORMAT& cfTarget, const CHARFORMAT& cfSource, DWORD dwMask);
    // Short text such as "#008000 b 10pt Courier New" for dumps.
    static CString Describe(const CHARFORMAT& cf);

private:
    std::vector<CHARFORMAT> m_formats;
    int m_nLastHit = -1;
};
