// Serving the automation object from the host's main thread, as the real
// host does: COM started there as a single-threaded apartment, the program
// id "MixW2.Application" written into the registry, the object entered in
// the running object table where GetActiveObject finds it.
#pragma once

#include <memory>

#include "controls/com.h"
#include "tools/automation_server.h"

namespace host {

class AutomationService {
  public:
    AutomationService() = default;
    // Revokes the object, cuts off the plug-in's remaining references,
    // then leaves COM.  Run after the plug-in is unloaded.
    ~AutomationService();
    AutomationService(const AutomationService&) = delete;
    AutomationService& operator=(const AutomationService&) = delete;

    // Prints what it did; false when serving could not be set up.
    bool Start(AutomationQuirk quirk);
    // Null while not serving.
    HostAutomation* Object() const { return m_object.Get(); }

  private:
    std::unique_ptr<ComApartment> m_apartment;
    ComPtr<HostAutomation> m_object;
    DWORD m_cookie = 0;
    bool m_inTable = false;
};

}  // namespace host
