#include "platform/notifications.h"

#include <dlfcn.h>

#include <QLoggingCategory>

#include <atomic>
#include <filesystem>

namespace norvane {
namespace {

Q_LOGGING_CATEGORY(lcNotify, "norvane.notify")

// The module's entries. Events come back through `event` with kind 0 for a
// click on the notification and 1 for its closing.
using EventFn = void (*)(void* context, std::uint32_t id, int kind);
using OpenFn = void* (*)(EventFn event, void* context, char* error, std::size_t errorSize);
using ShowFn = std::uint32_t (*)(void* handle, const char* summary, const char* body, int iconWidth,
                                 int iconHeight, const unsigned char* iconRgba, char* error, std::size_t errorSize);
using CloseFn = void (*)(void* handle);

std::string ModuleBesideProgram() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "libnorvane_notify.so";
    return (exe.parent_path() / "libnorvane_notify.so").string();
}

class DBusNotifierImpl final : public Notifier {
public:
    explicit DBusNotifierImpl(std::string path) : path_(std::move(path)) {}
    ~DBusNotifierImpl() override {
        if (handle_ && close_) close_(handle_);
    }

    std::uint32_t Show(const Notification& n) override {
        char error[512] = {};
        if (!handle_ && !Open(error, sizeof error)) return Unshown(error);
        const std::uint32_t id = show_(handle_, n.summary.c_str(), n.body.c_str(), n.iconWidth, n.iconHeight,
                                       n.iconRgba.empty() ? nullptr : n.iconRgba.data(), error, sizeof error);
        if (id == 0) return Unshown(error);
        return id;
    }

private:
    bool Open(char* error, std::size_t size) {
        if (tried_) {
            std::snprintf(error, size, "%s", openError_.c_str());
            return false;
        }
        tried_ = true;
        void* module = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            const char* why = dlerror();
            openError_ = why ? why : "cannot load " + path_;
        } else {
            auto open = reinterpret_cast<OpenFn>(dlsym(module, "norvane_notify_open"));
            show_ = reinterpret_cast<ShowFn>(dlsym(module, "norvane_notify_show"));
            close_ = reinterpret_cast<CloseFn>(dlsym(module, "norvane_notify_close"));
            if (!open || !show_ || !close_) {
                openError_ = path_ + " lacks the notification entries";
            } else {
                handle_ = open(&DBusNotifierImpl::Event, this, error, size);
                if (!handle_) openError_ = error;
            }
        }
        // A bus that is not there now is not retried at every notification.
        std::snprintf(error, size, "%s", openError_.c_str());
        return handle_ != nullptr;
    }

    std::uint32_t Unshown(const char* error) {
        if (!logged_) qCInfo(lcNotify, "no desktop notification shown: %s", error);
        logged_ = true;
        return 0;
    }

    static void Event(void* context, std::uint32_t id, int kind) {
        auto* self = static_cast<DBusNotifierImpl*>(context);
        const auto& fn = kind == 0 ? self->handlers_.activated : self->handlers_.closed;
        if (fn) fn(id);
    }

    std::string path_;
    bool tried_ = false;
    bool logged_ = false;
    std::string openError_;
    void* handle_ = nullptr;
    ShowFn show_ = nullptr;
    CloseFn close_ = nullptr;
};

std::atomic<Notifier*> g_current{nullptr};

}  // namespace

std::unique_ptr<Notifier> DBusNotifier(const std::string& modulePath) {
    return std::make_unique<DBusNotifierImpl>(modulePath);
}

Notifier& notifier() {
    if (Notifier* current = g_current.load()) return *current;
    static DBusNotifierImpl system(ModuleBesideProgram());
    return system;
}

ScopedNotifier::ScopedNotifier(Notifier& n) : previous_(g_current.exchange(&n)) {}
ScopedNotifier::~ScopedNotifier() { g_current.store(previous_); }

}  // namespace norvane
