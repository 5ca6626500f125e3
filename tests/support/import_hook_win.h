// Puts a function of the test's own in place of one that a module (this
// program, or a DLL it loaded) imports from a system DLL, for the life of
// the object: every call the module makes to it, from the code under test
// too (linked into the same module), goes through the module's import
// table and so to `hook`.
// Lets a test see the moment a system call is made, with no change to the
// code under test.
#pragma once

#include <windows.h>

#include <cstring>

class ImportHook {
  public:
    ImportHook(const char* dll, const char* function, void* hook,
               HMODULE module = GetModuleHandleA(nullptr))
        : m_slot(Find(module, dll, function)) {
        if (m_slot != nullptr) m_original = Swap(hook);
    }
    ~ImportHook() {
        if (m_slot != nullptr) Swap(m_original);
    }
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;

    // Null when the program does not import the function by name.
    void* Original() const { return m_original; }
    // The module is unloaded: there is no table left to put the original back in.
    void Forget() { m_slot = nullptr; }

  private:
    void* Swap(void* address) {
        DWORD was = 0;
        VirtualProtect(m_slot, sizeof(void*), PAGE_READWRITE, &was);
        void* previous = *m_slot;
        *m_slot = address;
        VirtualProtect(m_slot, sizeof(void*), was, &was);
        return previous;
    }

    static void** Find(HMODULE module, const char* dll, const char* function) {
        if (module == nullptr) return nullptr;
        auto* base = reinterpret_cast<BYTE*>(module);
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& dir =
            nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        if (dir.VirtualAddress == 0) return nullptr;
        for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
             d->Name != 0; ++d) {
            if (lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), dll) != 0) continue;
            if (d->OriginalFirstThunk == 0) continue;  // names not kept
            auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
            auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
            for (; names->u1.AddressOfData != 0; ++names, ++slots) {
                if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
                const auto* byName =
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                    return reinterpret_cast<void**>(&slots->u1.Function);
            }
        }
        return nullptr;
    }

    void** m_slot;
    void* m_original = nullptr;
};
