// CMarkerData: a tokenizer sink that watches line comments for one marker
// text and produces no output. The marker includes its leading "//" and
// matches a line comment whose text on its line begins with it (compared
// case-sensitively); comments inside strings or block comments are never
// offered to it by the tokenizer, so they cannot match. The first matching
// comment wins.
#pragma once

#include "ConvertData.h"
#include "String.h"

class CMarkerData : public CConvertData {
public:
    // Sink for the Java language and the shared patterns, starting in normal text.
    explicit CMarkerData(const CString& strMarker);

    // Starts comparing at a "//" while the marker is not found yet.
    CTextFormat* IsPatternStart(const char* pText, int nPosition, int nLength) override;
    // Compares the comment's character at nPosition with the next marker character.
    int IsEndOfPattern(CTextFormat* pFormat, const char* pText, int nPosition, int nLength) override;
    // Counts the line and ends any comparison in progress.
    BOOL CommitLine(BOOL bLineBreak) override;

    // TRUE once a line comment matched the marker.
    BOOL IsFound() const { return m_bFound; }
    // Index of the first slash of the matching comment (valid when found).
    int GetMarkerStart() const { return m_nMarkerStart; }
    // Index of the marker's last character in the text, -1 until found.
    int GetMarkerEnd() const { return m_nMarkerEnd; }
    // Lines committed so far.
    int GetLines() const { return m_nLines; }

protected:
    int m_nLines;
    int m_nMarkerStart;
    int m_nMarkerEnd;
    CString m_strMarker;
    BOOL m_bMatching;
    BOOL m_bFound;
    int m_nMatched;
};
