// CClassIndex: what the source model needs to know of the package index:
// classes and interfaces by name, the holder of a method, and the ancestor
// test. The package index implements it; tests use small fakes.
#pragma once

#include "WinTypes.h"

class CVarClass;
class CVarContainer;
class CVarInterface;
class CVarObject;

class CClassIndex {
public:
    virtual ~CClassIndex() = default;

    // The first class of the index with exactly this name; null if none.
    virtual CVarClass* FindClass(const char* pszName) const = 0;
    // The first interface of the index with exactly this name; null if none.
    virtual CVarInterface* FindInterface(const char* pszName) const = 0;
    // The class of the index whose methods include pMethod, else such an
    // interface; null when the method belongs to neither.
    virtual CVarContainer* FindMethodOwner(const CVarObject* pMethod) const = 0;

    // TRUE when pOther is an ancestor of pClass: starting from pClass's parent
    // name, each name is looked up as a class (an ancestor when its name
    // equals pOther's without regard to case, else its parent is followed),
    // failing that as an interface (compared the same way when pOther is an
    // interface; its parent is followed). FALSE when a name is not found or
    // the chain runs in a circle.
    virtual BOOL IsAncestor(const CVarContainer* pClass, const CVarContainer* pOther) const;
};
