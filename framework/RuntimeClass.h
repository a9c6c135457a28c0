// CRuntimeClass: what the program knows about a CObject class at run time:
// its name, its base, its schema and, for creatable classes, a factory.
// Creatable classes register themselves by name when their library loads, so
// an archive can make an object from the class name it finds in a stream.
#pragma once

#include "WinTypes.h"

class CObject;

// Set in a class schema when the class reads older schemas itself; the
// stored schema is then handed to its Serialize (CArchive::GetObjectSchema).
constexpr UINT VERSIONABLE_SCHEMA = 0x80000000u;
// Schema of classes that are not written to archives.
constexpr UINT NO_SCHEMA = 0xFFFFu;

struct CRuntimeClass {
    const char* m_lpszClassName;
    UINT m_wSchema;                      // schema in the low 16 bits, maybe VERSIONABLE_SCHEMA
    CObject* (*m_pfnCreateObject)();     // null for abstract or non-creatable classes
    const CRuntimeClass* m_pBaseClass;   // null for CObject

    // A new object of this class (owned by the caller); null when not creatable.
    CObject* CreateObject() const;
    // TRUE when this class is pBase or derives from it.
    BOOL IsDerivedFrom(const CRuntimeClass* pBase) const;
    // The schema without the versionable flag (0..0xFFFF).
    UINT GetSchemaNumber() const { return m_wSchema & 0xFFFFu; }
    BOOL IsVersionable() const { return (m_wSchema & VERSIONABLE_SCHEMA) != 0; }
    // TRUE when objects of the class can be written to and made by an archive.
    BOOL IsSerializable() const { return m_pfnCreateObject != nullptr && GetSchemaNumber() != NO_SCHEMA; }

    // The registered creatable class of this exact (case-sensitive) name; null if none.
    static const CRuntimeClass* FromName(const char* pszClassName);
    // Same, for a name of nLength bytes that need not be terminated.
    static const CRuntimeClass* FromName(const char* pchName, int nLength);
};

// Registers a class by name at static-initialisation time.
struct CClassRegistration {
    explicit CClassRegistration(const CRuntimeClass* pClass);
};

// Declaration and definition helpers for CObject classes.
//   MOSK_DECLARE_DYNAMIC: run-time class only (abstract classes).
//   MOSK_DECLARE_DYNCREATE: also creatable by name, not archived.
//   MOSK_DECLARE_SERIAL: creatable by name and archived with a schema.
#define MOSK_DECLARE_DYNAMIC(class_name)                          \
public:                                                           \
    static const CRuntimeClass* GetThisClass();                   \
    const CRuntimeClass* GetRuntimeClass() const override;

#define MOSK_DECLARE_DYNCREATE(class_name)                        \
    MOSK_DECLARE_DYNAMIC(class_name)                              \
    static CObject* CreateObject();

#define MOSK_DECLARE_SERIAL(class_name) MOSK_DECLARE_DYNCREATE(class_name)

#define MOSK_RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define MOSK_IMPLEMENT_RUNTIMECLASS_(class_name, base_name, schema, pfnNew) \
    const CRuntimeClass* class_name::GetThisClass()                         \
    {                                                                       \
        static const CRuntimeClass s_class = {#class_name, schema, pfnNew,  \
                                              base_name::GetThisClass()};   \
        return &s_class;                                                    \
    }                                                                       \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return GetThisClass(); }

#define MOSK_IMPLEMENT_DYNAMIC(class_name, base_name) \
    MOSK_IMPLEMENT_RUNTIMECLASS_(class_name, base_name, NO_SCHEMA, nullptr)

#define MOSK_IMPLEMENT_DYNCREATE(class_name, base_name)                            \
    CObject* class_name::CreateObject() { return new class_name; }                 \
    MOSK_IMPLEMENT_RUNTIMECLASS_(class_name, base_name, NO_SCHEMA, &class_name::CreateObject) \
    static const CClassRegistration s_registration_##class_name(class_name::GetThisClass());

#define MOSK_IMPLEMENT_SERIAL(class_name, base_name, schema)                    \
    CObject* class_name::CreateObject() { return new class_name; }              \
    MOSK_IMPLEMENT_RUNTIMECLASS_(class_name, base_name, schema, &class_name::CreateObject) \
    static const CClassRegistration s_registration_##class_name(class_name::GetThisClass());
