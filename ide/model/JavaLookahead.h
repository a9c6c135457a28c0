// CJavaLookahead: small forward scans over raw Java text that the parse sink
// uses to step over constructs the word-and-delimiter stream would get wrong:
// annotations with their arguments, type-argument lists in angle brackets,
// character literals and text blocks. Every scan reads only indices below
// the length and gives up (returns -1) rather than run away.
#pragma once

#include "String.h"

class CJavaLookahead {
public:
    // TRUE for a byte that may appear in a Java identifier ('$', '_', letters,
    // digits and every byte of a multi-byte UTF-8 character).
    static BOOL IsIdentifierChar(char ch);
    // First index at or after lPos that is neither blank nor inside a comment.
    static long SkipBlanks(const char* pText, long lPos, long lLength);
    // Index just after the string literal, text block or character literal
    // that starts at lPos (its opening quote); lLength when it is unterminated.
    static long SkipLiteral(const char* pText, long lPos, long lLength);
    // Index just after the ")" matching the "(" at lPos, stepping over
    // literals and comments; -1 when the text ends first.
    static long MatchingParen(const char* pText, long lPos, long lLength);
    // End (exclusive) of the annotation whose "@" is at lPos: the name and,
    // when one follows, the parenthesised arguments. -1 when the "@" begins
    // the "@interface" of an annotation type declaration.
    static long AnnotationEnd(const char* pText, long lPos, long lLength);
    // End (exclusive) of the type-argument list whose "<" is at lPos, or -1
    // when what follows cannot be one (an operator, a call, a statement).
    static long TypeArgumentsEnd(const char* pText, long lPos, long lLength);
    // End (exclusive) of the character literal whose opening quote is at
    // lPos; -1 when no well-formed literal starts there.
    static long CharLiteralEnd(const char* pText, long lPos, long lLength);
    // TRUE when a text block (three double quotes) opens at lPos.
    static BOOL IsTextBlockStart(const char* pText, long lPos, long lLength);
    // TRUE when the quote at lPos is preceded, after lStart, by an odd number
    // of backslashes (so it is escaped).
    static BOOL IsEscaped(const char* pText, long lPos, long lStart);
    // The text from lStart to lEnd with comments dropped and every run of
    // blanks and line ends written as one space.
    static void AppendCompact(const char* pText, long lStart, long lEnd, CString& strOut);

    // Longest type-argument list looked at; longer ones are not taken for one.
    static const long m_lMaxTypeArguments = 4096;
};
