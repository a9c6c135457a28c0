#include "ToolOptions.h"

#include "Archive.h"

void CToolOptionField::Serialize(CArchive& ar, CToolOptions& options, const CToolOptionField* pFields,
                                 size_t nCount, DWORD nVersion)
{
    for (size_t i = 0; i < nCount; ++i) {
        const CToolOptionField& field = pFields[i];
        if (field.nMinVersion > nVersion)
            continue;
        switch (field.nKind) {
        case SWITCH:
        case NUMBER:
            if (ar.IsStoring()) {
                ar << static_cast<DWORD>(options.*field.pnValue);
            } else {
                DWORD dw;
                ar >> dw;
                options.*field.pnValue = field.nKind == SWITCH ? (dw != 0) : static_cast<int>(dw);
            }
            break;
        case TEXT:
            if (ar.IsStoring())
                ar << options.*field.pstrValue;
            else
                ar >> options.*field.pstrValue;
            break;
        case HISTORY:
            ar.SerializeStrings(options.*field.parrValue);
            break;
        }
    }
}

void CToolOptionField::Dump(CString& strOut, int nIndent, const CToolOptions& options,
                            const CToolOptionField* pFields, size_t nCount)
{
    for (size_t i = 0; i < nCount; ++i) {
        const CToolOptionField& field = pFields[i];
        strOut += CString(' ', nIndent) + field.pszName + " = ";
        switch (field.nKind) {
        case SWITCH:
        case NUMBER: {
            CString str;
            str.Format("%d", options.*field.pnValue);
            strOut += str;
            break;
        }
        case TEXT:
            strOut += "\"" + options.*field.pstrValue + "\"";
            break;
        case HISTORY: {
            const CStringArray& arr = options.*field.parrValue;
            strOut += "[";
            for (int n = 0; n < arr.GetSize(); ++n)
                strOut += (n ? ", \"" : "\"") + arr[n] + "\"";
            strOut += "]";
            break;
        }
        }
        strOut += '\n';
    }
}
