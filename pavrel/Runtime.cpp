#include "Runtime.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QList>
#include <QPluginLoader>
#include <QString>
#include <atomic>
#include <memory>

namespace pavrel {

namespace {

std::atomic<int> g_live{0};

// Owned loaders on the held modules. Plain pointers in a function-local static so that nothing
// runs at process exit: by then the modules may already be gone.
QList<QPluginLoader*>& holds() {
    static auto* list = new QList<QPluginLoader*>;
    return *list;
}

QString modulePath(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath();
}

// Releasing a plugin may unload the code that depends on this library; make sure this library
// itself is never unloaded underneath the release, whoever loaded it.
void pinSelf() {
    static bool pinned = false;
    if (pinned) return;
    pinned = true;
    static const char anchor = 0;
    Dl_info info{};
    if (dladdr(&anchor, &info) != 0 && info.dli_fname != nullptr)
        dlopen(info.dli_fname, RTLD_NOW | RTLD_NODELETE);
}

void releaseHolds() {
    if (g_live.load() != 0) return;
    auto& list = holds();
    while (!list.isEmpty()) {
        QPluginLoader* loader = list.takeLast();
        loader->unload();
        delete loader;
    }
}

}  // namespace

int liveInstances() {
    return g_live.load();
}

bool canUnloadNow() {
    return g_live.load() == 0;
}

int heldModules() {
    return int(holds().size());
}

void holdModuleWhileInstancesLive(const void* addressInModule) {
    const QString path = modulePath(addressInModule);
    if (path.isEmpty()) return;
    for (QPluginLoader* loader : holds())
        if (loader->fileName() == path) return;
    pinSelf();
    auto loader = std::make_unique<QPluginLoader>(path);
    if (loader->load()) holds().append(loader.release());
}

namespace detail {

void instanceCreated() {
    ++g_live;
}

void instanceDestroyed() {
    if (--g_live != 0 || holds().isEmpty()) return;
    // Not from here: the destructor may have been called from the very module being released.
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &releaseHolds, Qt::QueuedConnection);
    else
        releaseHolds();
}

}  // namespace detail

}  // namespace pavrel

extern "C" int PavrelCanUnloadNow() {
    return pavrel::canUnloadNow() ? 1 : 0;
}
