#pragma once
// The windows the engine opens and fills: the connection alert `frmAlert`, the dangerous-port
// alert `frmServiceAlert`, and the block-all notice `frmBlockAll`, which the poll pass only reads.
// The user interface implements these interfaces and installs its factory; until it does (and in
// tests without one) a stand-in answers whose alerts close as they load and whose notice is never
// visible. Each member is named after the control it stands for.
#include <memory>
#include <string_view>

#include "engine/connection_record.h"

namespace qv::engine {

// One connection alert. Every alert is a new window; the engine fills it and goes on without
// waiting. A window can close while the engine still holds it (its loading closes it when alert
// confirmation is off, and the message loop may run a click on it); calls on a closed alert do
// nothing.
class ConnectionAlert {
public:
    virtual ~ConnectionAlert() = default;
    virtual bool Closed() const = 0;

    virtual void setLblpath(std::string_view caption) = 0;
    virtual void setLblDESC(std::string_view caption) = 0;
    virtual void setLbltrojan(std::string_view caption) = 0;
    virtual void setText1(std::string_view text) = 0;
    virtual void setTxtfile(std::string_view text) = 0;
    virtual void setTxthost(std::string_view text) = 0;
    virtual void setTxtport(std::string_view text) = 0;
    // The AlertTag: process id, connection index and application path joined by "," (see
    // alert_tag.h, whose SplitAlertTag reads it back).
    virtual void setTag(std::string_view tag) = 0;
    // The endpoints of the connection the alert is about, set with the Tag: what Block closes
    // (KillAlertConnection), whatever record the Tag's index names by then.
    virtual void setEndpoints(const ConnectionEndpoints& endpoints) = 0;

    // Shows the window without waiting for it.
    virtual void Show() = 0;
    // Puts the window into the topmost band.
    virtual void MakeTopMost() = 0;
};

// An alert without a window: it shows and keeps nothing. The stand-in's alerts are closed ones;
// an open one stands for a window nobody answers.
class BlankConnectionAlert final : public ConnectionAlert {
public:
    explicit BlankConnectionAlert(bool closed) : closed_(closed) {}
    bool Closed() const override { return closed_; }
    void setLblpath(std::string_view) override {}
    void setLblDESC(std::string_view) override {}
    void setLbltrojan(std::string_view) override {}
    void setText1(std::string_view) override {}
    void setTxtfile(std::string_view) override {}
    void setTxthost(std::string_view) override {}
    void setTxtport(std::string_view) override {}
    void setTag(std::string_view) override {}
    void setEndpoints(const ConnectionEndpoints&) override {}
    void Show() override {}
    void MakeTopMost() override {}

private:
    bool closed_;
};

// One dangerous-port alert. When it closes it gives its (local port, remote address) pair back
// with PendingAlerts().erase, so that pair can raise a new alert.
class ServiceAlert {
public:
    virtual ~ServiceAlert() = default;
    virtual bool Closed() const = 0;

    virtual void setLblDESC(std::string_view caption) = 0;
    // `lblDESC`'s tag: the dangerous local port.
    virtual void setLblDESCTag(std::string_view port) = 0;
    // The window's tag: the remote address.
    virtual void setTag(std::string_view remoteAddress) = 0;

    virtual void Show() = 0;
    virtual void MakeTopMost() = 0;
};

class AlertWindows {
public:
    virtual ~AlertWindows() = default;
    // Creates a new window and runs its loading before returning it.
    virtual std::shared_ptr<ConnectionAlert> newConnectionAlert() = 0;
    virtual std::shared_ptr<ServiceAlert> newServiceAlert() = 0;
    // Whether the block-all notice is shown. Asking must not create or load the notice.
    virtual bool blockAllVisible() const = 0;
};

// The installed windows, or the stand-in.
AlertWindows& alertWindows();

// Installs a set of windows for the object's lifetime.
class ScopedAlertWindows {
public:
    explicit ScopedAlertWindows(AlertWindows& windows);
    ~ScopedAlertWindows();
    ScopedAlertWindows(const ScopedAlertWindows&) = delete;
    ScopedAlertWindows& operator=(const ScopedAlertWindows&) = delete;

private:
    AlertWindows* previous_;
};

}  // namespace qv::engine
