#include "Subwright.h"

#include "SectionReplacer.h"
#include "Utf16ToUtf8.h"

#include <jni.h>

namespace {

// The Java string as UTF-8, cut to its first nLength characters when
// nLength is above 0 and below its length. Java counts characters in UTF-16
// units, so the cut is made there, before the conversion, and never splits
// a character in two. A null string reads as empty. FALSE when the
// characters cannot be had from the virtual machine.
BOOL ReadJavaString(JNIEnv* pEnv, jstring str, jint nLength, CString& strOut)
{
    strOut.Empty();
    if (str) {
        jsize nUnits = pEnv->GetStringLength(str);
        const jchar* pChars = pEnv->GetStringChars(str, nullptr);
        if (!pChars)
            return FALSE;
        if (nLength > 0 && nLength < nUnits) {
            nUnits = nLength;
            // A pair cut after its first half loses that half too.
            if (pChars[nUnits - 1] >= 0xD800 && pChars[nUnits - 1] <= 0xDBFF)
                --nUnits;
        }
        try {
            strOut = CString(Utf16ToUtf8(reinterpret_cast<const uint16_t*>(pChars), static_cast<size_t>(nUnits)));
        } catch (...) {
            pEnv->ReleaseStringChars(str, pChars);
            throw;
        }
        pEnv->ReleaseStringChars(str, pChars);
    }
    return TRUE;
}

} // namespace

extern "C" JNIEXPORT jint JNICALL Java_Subwright_Replace(JNIEnv* pEnv, jobject, jstring strFile, jint nFileLength,
                                                         jstring strBegin, jint nBeginLength, jstring strEnd,
                                                         jint nEndLength, jstring strNewText, jint nNewTextLength)
{
    try {
        CString strFile8, strBegin8, strEnd8, strNewText8;
        if (!ReadJavaString(pEnv, strFile, nFileLength, strFile8)
            || !ReadJavaString(pEnv, strBegin, nBeginLength, strBegin8)
            || !ReadJavaString(pEnv, strEnd, nEndLength, strEnd8)
            || !ReadJavaString(pEnv, strNewText, nNewTextLength, strNewText8)) {
            // The pending OutOfMemoryError is answered by the result code instead.
            pEnv->ExceptionClear();
            return CSectionReplacer::Failed;
        }
        strNewText8.TrimLeft(" \t\r\n\v\f");
        strNewText8.TrimRight("\r\n");
        return CSectionReplacer(strBegin8, strEnd8).ReplaceInFile(strFile8, strNewText8);
    } catch (...) {
        return CSectionReplacer::Failed;
    }
}

int Test_Replace(CString strFile, CString strBegin, CString strEnd, CString strNewText)
{
    try {
        return CSectionReplacer(strBegin, strEnd).ReplaceInFile(strFile, strNewText);
    } catch (...) {
        return CSectionReplacer::Failed;
    }
}
