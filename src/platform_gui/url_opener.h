#pragma once
// Opening an address in the user's browser, behind one small interface so that
// tests never open a real one.
#include <QString>

namespace norvane {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Hands the address to the desktop's handler and returns at once. Returns
    // whether the desktop took it.
    virtual bool Open(const QString& address) = 0;
};

// The desktop's URL handler. Needs a running Qt application.
class DesktopUrlOpener final : public UrlOpener {
public:
    bool Open(const QString& address) override;
};

// The opener every part of the program uses. Defaults to a DesktopUrlOpener.
UrlOpener& urlOpener();

// Replaces the process opener while alive (tests); restores the previous one on destruction.
class ScopedUrlOpener {
public:
    explicit ScopedUrlOpener(UrlOpener& opener);
    ~ScopedUrlOpener();
    ScopedUrlOpener(const ScopedUrlOpener&) = delete;
    ScopedUrlOpener& operator=(const ScopedUrlOpener&) = delete;

private:
    UrlOpener* previous_;
};

}  // namespace norvane
