// CArchiveException: the error an archive raises when a stream cannot be
// written or read. Thrown inside the framework and the models; callers that
// cross a library boundary or the event loop catch it and show GetMessage().
#pragma once

#include "String.h"

#include <exception>

class CArchiveException : public std::exception {
public:
    enum Cause {
        none,
        genericException,  // malformed stream not covered below
        endOfFile,         // the stream ends inside a value
        badIndex,          // a tag refers to no class or object read so far, or to the wrong kind
        badClass,          // unknown class name, or a class other than the one expected
        badSchema,         // the stored schema is not one the class can read
        badCount,          // a count or length larger than the rest of the stream can hold
        tooDeep,           // objects nested deeper than any real file nests them
        fileError          // the file could not be opened, read or written
    };

    // nCause is one of Cause; nOffset the stream offset where it was found (-1 if none);
    // pszDetail an optional text naming what was wrong (class name, path).
    CArchiveException(int nCause, long long nOffset = -1, const char* pszDetail = nullptr);

    int m_cause;
    long long m_nOffset;
    CString m_strDetail;

    // A one-line description for the user, e.g. "The file ends too early (at byte 12)".
    const CString& GetMessage() const { return m_strMessage; }
    const char* what() const noexcept override { return m_strMessage.c_str(); }

    // The fixed text of a cause.
    static const char* CauseText(int nCause);

private:
    CString m_strMessage;
};
