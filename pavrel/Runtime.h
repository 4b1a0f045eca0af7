// Library-wide bookkeeping that replaces the old in-process server exports: how many controls are
// alive (so that a host can ask whether the library may be unloaded), and keeping a loaded
// plugin module resident while controls it created are still alive.
#pragma once

#include "pavrel_export.h"

namespace pavrel {

// Number of Pavrel controls currently alive in the process.
PAVREL_EXPORT int liveInstances();

// True when no control is alive, so that nothing would be left pointing into unloaded code.
PAVREL_EXPORT bool canUnloadNow();

// Keeps the plugin module containing `addressInModule` loaded while any control is alive. A host
// that unloads the plugin in the meantime is refused (QPluginLoader::unload() returns false); the
// hold is let go once the last control is gone and control returns to the event loop, and only
// then is the module really unloaded if the host no longer wants it.
PAVREL_EXPORT void holdModuleWhileInstancesLive(const void* addressInModule);

// Modules currently held that way (for diagnostics and tests).
PAVREL_EXPORT int heldModules();

namespace detail {
void instanceCreated();
void instanceDestroyed();
}  // namespace detail

}  // namespace pavrel

// C entry point under a stable name, for hosts that only resolve symbols: 1 when the library may
// be unloaded, 0 while controls live.
extern "C" PAVREL_EXPORT int PavrelCanUnloadNow();
