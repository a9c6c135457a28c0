#include "Block.h"

CString CBlock::Dump() const
{
    CString str;
    str.Format("type %d start %d end %d length %d cursor %ld", m_nType, m_nStart, m_nEnd, m_nLength, m_lCursor);
    return str;
}
