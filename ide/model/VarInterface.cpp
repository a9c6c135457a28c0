#include "VarInterface.h"

#include "DragToken.h"

MOSK_IMPLEMENT_SERIAL(CVarInterface, CVarContainer, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

CDragToken* CVarInterface::MakeDragToken()
{
    return new CDragToken(CDragToken::DRAG_IFACE, this);
}
