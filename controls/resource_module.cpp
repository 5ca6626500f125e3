#include "controls/resource_module.h"

#include <atomic>

namespace {
std::atomic<HINSTANCE> g_resourceModule{nullptr};

HINSTANCE ModuleOfThisCode() {
    HMODULE module = nullptr;
    const DWORD flags =
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    if (!GetModuleHandleExA(flags, reinterpret_cast<LPCSTR>(&ModuleOfThisCode), &module))
        return GetModuleHandleA(nullptr);
    return module;
}
}  // namespace

void SetResourceModule(HINSTANCE module) { g_resourceModule = module; }

HINSTANCE ResourceModule() {
    HINSTANCE module = g_resourceModule;
    return module != nullptr ? module : ModuleOfThisCode();
}
