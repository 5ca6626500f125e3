// Owners for the COM resources of the stand-in host and its probe.
#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <utility>

namespace host {

// CoInitialize (a single-threaded apartment) for the owner's lifetime.
class ComApartment {
  public:
    ComApartment() : m_result(CoInitialize(nullptr)) {}
    ~ComApartment() {
        // S_FALSE (already initialised) also has to be balanced.
        if (SUCCEEDED(m_result)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    HRESULT Result() const { return m_result; }

  private:
    HRESULT m_result;
};

// One reference to a COM object, released when the owner goes.
template <typename T>
class ComPtr {
  public:
    ComPtr() = default;
    // Takes over a reference the caller already holds.
    explicit ComPtr(T* adopted) : m_ptr(adopted) {}
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : m_ptr(std::exchange(other.m_ptr, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            m_ptr = std::exchange(other.m_ptr, nullptr);
        }
        return *this;
    }

    T* Get() const { return m_ptr; }
    T* operator->() const { return m_ptr; }
    explicit operator bool() const { return m_ptr != nullptr; }
    // For functions that hand out a new reference: releases the old one.
    T** Receive() {
        Reset();
        return &m_ptr;
    }
    void Reset() {
        if (m_ptr != nullptr) std::exchange(m_ptr, nullptr)->Release();
    }

  private:
    T* m_ptr = nullptr;
};

// A VARIANT cleared when the owner goes.
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

}  // namespace host
