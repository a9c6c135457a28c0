#include "ModelSamples.h"

#include "Archive.h"
#include "Argument.h"
#include "BeanEvent.h"
#include "BeanListenInterface.h"
#include "BeanObject.h"
#include "BeanProp.h"
#include "PackageObject.h"
#include "VarImport.h"
#include "VarInnerClass.h"
#include "VarInnerInterface.h"
#include "VarLocalClass.h"
#include "VarMethod.h"
#include "VarPackage.h"

namespace {

template <class T>
T* Make(const char* pszName, const char* pszType, int nLine, int nAccess)
{
    T* p = new T(pszName, nLine);
    p->m_strType = pszType;
    p->m_nEndLine = nLine + 2;
    p->m_nAccess = nAccess;
    p->m_bComplete = TRUE;
    p->m_nState = CVarObject::STATE_BODY;
    return p;
}

} // namespace

CPackageObject* MakeSamplePackage()
{
    auto* pPackage = new CPackageObject("java.util");
    pPackage->m_pPackage = new CVarPackage("java.util", 1);

    auto* pClass = Make<CVarClass>("java.util.HashMap", "", 3, CVarObject::ACCESS_PUBLIC);
    pClass->m_strParent = "java.util.AbstractMap<K, V>";
    pClass->m_Interfaces.Add("java.util.Map<K, V>");
    pClass->m_Interfaces.Add("Cloneable");
    pClass->m_bFinal = TRUE;

    auto* pMethod = Make<CVarMethod>("put", "V", 10, CVarObject::ACCESS_PUBLIC);
    pMethod->AddArgument(Make<CArgument>("key", "K", 10, 0));
    pMethod->AddArgument(Make<CArgument>("values", "java.lang.Object...", 10, 0));
    pMethod->m_Exceptions.Add("java.io.IOException");
    pMethod->m_bSynchronized = TRUE;
    pMethod->AddLocalClass(Make<CVarLocalClass>("Helper", "", 11, 0));
    pClass->AddMethod(pMethod);

    auto* pNative = Make<CVarMethodDecl>("hash", "int", 20, CVarObject::ACCESS_PRIVATE);
    pNative->m_bNative = TRUE;
    pNative->m_bStatic = TRUE;
    pClass->AddMethod(pNative);

    auto* pField = Make<CVariable>("table", "Map<String, List<Integer>>[]", 5, CVarObject::ACCESS_PROTECTED);
    pField->m_bFinal = TRUE;
    pClass->AddField(pField);

    auto* pInner = Make<CVarInnerClass>("Entry", "", 30, CVarObject::ACCESS_PRIVATE);
    pInner->m_strOuterClass = "HashMap";
    pInner->m_bStatic = TRUE;
    pInner->AddField(Make<CVariable>("next", "Entry", 31, 0));
    pClass->AddInnerClass(pInner);
    pClass->AddInnerInterface(Make<CVarInnerInterface>("Visitor", "", 40, 0));

    auto* pBean = Make<CBeanObject>("demo.Juggler", "", 0, CVarObject::ACCESS_PUBLIC);
    pBean->m_nReserved1 = 7;
    pBean->m_nReserved2 = -1;
    auto* pProp = Make<CBeanProp>("animationRate", "int", 0, CVarObject::ACCESS_PUBLIC);
    pProp->m_pGetter = Make<CVarMethodDecl>("getAnimationRate", "int", 0, 1);
    pProp->m_pSetter = Make<CVarMethodDecl>("setAnimationRate", "void", 0, 1);
    pBean->AddField(pProp);
    pBean->AddField(Make<CBeanProp>("plain", "String", 0, 1));
    auto* pListener = Make<CBeanListenInterface>("java.beans.PropertyChangeListener", "", 0, 1);
    pListener->m_pAdder = Make<CVarMethodDecl>("addPropertyChangeListener", "void", 0, 1);
    pListener->AddEvent(new CBeanEvent("propertyChange", 0));
    pBean->AddListener(pListener);
    pBean->AddMethod(Make<CVarMethodDecl>("start", "void", 0, 1));
    pClass->AddField(pBean);

    pPackage->m_Classes.AddTail(pClass);

    auto* pInterface = Make<CVarInterface>("Map", "", 50, CVarObject::ACCESS_PUBLIC);
    pInterface->m_strParent = "Collection";
    pInterface->AddMethod(Make<CVarMethodDecl>("size", "int", 51, 1));
    pPackage->m_Interfaces.AddTail(pInterface);

    pPackage->m_Imports.AddTail(Make<CVarImport>("java.io.*", "", 2, 0));
    return pPackage;
}

std::string StoreObject(const CObject* pObject)
{
    CArchive ar;
    ar.WriteObject(pObject);
    return ar.GetData();
}
