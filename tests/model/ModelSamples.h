// Sample source-model trees for the model tests.
#pragma once

#include <string>

class CPackageObject;

// A package with one of every stored class: a class with fields, methods
// (with arguments, exceptions, a local class), an inner class and an inner
// interface; an interface; imports; and a bean class with properties and
// listener interfaces (the bean hangs in the class's field list).
CPackageObject* MakeSamplePackage();

// The bytes the archive writes for pObject written as an object.
std::string StoreObject(const class CObject* pObject);
