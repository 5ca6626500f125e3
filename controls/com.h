// Owners for COM: an interface pointer released once, and the thread's
// COM initialisation.
#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <utility>

template <typename Interface>
class ComPtr {
  public:
    ComPtr() = default;
    // Takes over a reference the caller already holds.
    explicit ComPtr(Interface* adopted) : m_ptr(adopted) {}
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : m_ptr(other.Detach()) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        Reset(other.Detach());
        return *this;
    }
    ~ComPtr() { Reset(); }

    Interface* Get() const { return m_ptr; }
    Interface* operator->() const { return m_ptr; }
    explicit operator bool() const { return m_ptr != nullptr; }
    // For functions that hand out a new reference through an out-parameter.
    Interface** Put() {
        Reset();
        return &m_ptr;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    // Gives up the reference without releasing it.
    Interface* Detach() { return std::exchange(m_ptr, nullptr); }
    void Reset(Interface* ptr = nullptr) {
        Interface* old = std::exchange(m_ptr, ptr);
        if (old != nullptr) old->Release();
    }

  private:
    Interface* m_ptr = nullptr;
};

// CoInitialize (a single-threaded apartment) for the life of the object;
// CoUninitialize only when it succeeded (S_FALSE, already initialised, also
// needs the matching call).
class ComApartment {
  public:
    ComApartment() : m_result(CoInitialize(nullptr)) {}
    ~ComApartment() {
        if (SUCCEEDED(m_result)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    HRESULT Result() const { return m_result; }

  private:
    HRESULT m_result;
};

// An EXCEPINFO whose texts are freed with it.
class ExceptionInfo {
  public:
    ExceptionInfo() = default;
    ~ExceptionInfo() {
        SysFreeString(m_info.bstrSource);
        SysFreeString(m_info.bstrDescription);
        SysFreeString(m_info.bstrHelpFile);
    }
    ExceptionInfo(const ExceptionInfo&) = delete;
    ExceptionInfo& operator=(const ExceptionInfo&) = delete;
    EXCEPINFO* Get() { return &m_info; }

  private:
    EXCEPINFO m_info = {};
};

// A VARIANT cleared at the end of its owner's life.
class Variant {
  public:
    Variant() { VariantInit(&m_value); }
    ~Variant() { VariantClear(&m_value); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* Get() { return &m_value; }
    const VARIANT& operator*() const { return m_value; }

  private:
    VARIANT m_value;
};
