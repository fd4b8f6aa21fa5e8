// CObject: the root of the framework's classes, with run-time class information
// (class name, base class, creation by class) for classes that declare it.
#pragma once

#include "framework/win32/WinHeaders.h"

class CArchive;
class CObject;

// A position in one of the framework's lists, handed out by GetFirst...Position and
// advanced by GetNext...; NULL after the last element.
struct AfxListPosition;
typedef AfxListPosition* POSITION;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();  // NULL for classes that are not creatable
    const CRuntimeClass* m_pBaseClass;

    // A new object of this class, or NULL when the class cannot be created by class.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

class CObject {
public:
    virtual ~CObject();
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    virtual void Serialize(CArchive& ar);

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)                                                                                    \
public:                                                                                                                \
    static const CRuntimeClass class##class_name;                                                                      \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                                  \
    DECLARE_DYNAMIC(class_name)                                                                                        \
    static CObject* CreateObject();

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)                                                \
    const CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), 0xFFFF,    \
                                                         pfnNew, &base_class_name::class##base_class_name};            \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                               \
    CObject* class_name::CreateObject() { return new class_name; }                                                     \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, &class_name::CreateObject)

// The object as a pointer to class_name when it is one, else NULL.
#define DYNAMIC_DOWNCAST(class_name, pObject)                                                                          \
    ((pObject) != nullptr && (pObject)->IsKindOf(RUNTIME_CLASS(class_name)) ? static_cast<class_name*>(pObject)        \
                                                                            : nullptr)
