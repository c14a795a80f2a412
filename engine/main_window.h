#pragma once
// The main window's shared state as the engine sees it: the options the engine reads and the
// views it writes. The main window implements this interface; until it exists (and in tests) an
// installed stand-in answers. Each member is named after the control it stands for.
#include <string>
#include <string_view>

namespace qv::engine {

// One row of the port log `lvwLog`: "Host Address", "Local Port", "Remote Port", "Status",
// "Time Stamp".
struct PortLogRow {
    std::string host;
    std::string localPort;
    std::string remotePort;
    std::string status;
    std::string timeStamp;
    bool operator==(const PortLogRow&) const = default;
};

// One item of the application list `lvFirewall`: its text (the description), sub-item 1 (the
// version), sub-item 2 (the full path) and its tag (the connection index).
struct AppListItem {
    std::string description;
    std::string version;
    std::string path;
    int tag = 0;
    bool operator==(const AppListItem&) const = default;
};

class MainWindow {
public:
    virtual ~MainWindow() = default;

    // Options (check-box values: 0 unchecked, 1 checked, 2 grayed).
    virtual int Check1() const = 0;          // "Allow all for connection"
    virtual int Check2() const = 0;          // "Block all for connection"
    virtual int Check8() const = 0;          // "Enable firewall logging"
    virtual int chkAct(int index) const = 0; // activation of filter list 0, 1, 2
    virtual int chkLog(int index) const = 0; // port-log kinds 0 .. 3
    virtual int Slider3() const = 0;         // SecurityLevel 1, 2 or 3
    virtual bool Logging() const = 0;        // true once the window has finished loading

    // The window's visibility.
    virtual bool Visible() const = 0;
    virtual void setVisible(bool visible) = 0;

    // Counters of the last full pass.
    virtual void setLblIncoming(std::string_view caption) = 0;
    virtual void setLblOutgoing(std::string_view caption) = 0;
    virtual void setLblBlocked(std::string_view caption) = 0;
    virtual void setUcSlider1Value(std::string_view value) = 0;
    virtual void setUcSlider2Value(std::string_view value) = 0;

    // The notification-area icon: its tip, and its picture by 1-based index into `ilTray`.
    virtual std::string TrayTip() const = 0;
    virtual void setTrayTip(std::string_view tip) = 0;
    virtual void setTrayIcon(int ilTrayImage) = 0;
    // Arms `Timer2`, which restores the resting tray icon.
    virtual void enableTimer2() = 0;

    // The application list.
    virtual void lvFirewallClear() = 0;
    // Adds an item at the end and returns its 0-based position.
    virtual int lvFirewallAdd(const AppListItem& item) = 0;
    virtual void lvFirewallRemove(int position) = 0;

    // The port log.
    virtual int lvwLogCount() const = 0;
    virtual PortLogRow lvwLogItem(int position) const = 0;  // 0-based
    virtual void lvwLogAdd(const PortLogRow& row) = 0;
};

// The installed main window, or the stand-in with the designer's defaults when none is.
MainWindow& mainWindow();

// Installs a main window for the object's lifetime.
class ScopedMainWindow {
public:
    explicit ScopedMainWindow(MainWindow& window);
    ~ScopedMainWindow();
    ScopedMainWindow(const ScopedMainWindow&) = delete;
    ScopedMainWindow& operator=(const ScopedMainWindow&) = delete;

private:
    MainWindow* previous_;
};

}  // namespace qv::engine
