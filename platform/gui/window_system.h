#pragma once
// The window system: every window of the program with its handle, place, state and window
// procedure; messages sent and posted to them; the message loop and DoEvents; timers on the
// platform clock; mouse and keyboard input with capture, leave tracking and focus.
//
// Each top-level window keeps its pixels, and those of its children, in a surface of its own;
// WM_PAINT draws into it. A presenter (headless or on a display) shows top-level windows to a
// person from their surfaces, hears of their changes through a WindowObserver, and feeds input
// in through the same input functions that tests call. Everything runs on one thread.
#include <any>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/device_context.h"
#include "platform/gui/descriptor_set.h"
#include "platform/gui/messages.h"
#include "platform/gui/service.h"
#include "platform/gui/timer_queue.h"
#include "platform/gui/types.h"
#include "platform/gui/window_region.h"

namespace qv::gui {

class NotificationArea;
class WindowObserver;

// A kind of window: its name and the procedure every window of the kind starts with.
struct WindowClass {
    std::string name;
    WndProc proc;  // empty: defWindowProc
};

struct CreateParams {
    std::string className;
    std::string text;
    std::uint32_t style = 0;    // WS_CHILD makes `parent` the parent, otherwise the owner
    std::uint32_t exStyle = 0;  // WS_EX_TOPMOST puts a top-level window in the topmost band
    int x = CW_USEDEFAULT;      // CW_USEDEFAULT gives 0 for every field
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HWnd parent = 0;
    int id = 0;  // the control id of a child window
};

// One link of a window's subclass chain. `id` tells links apart; `refData` is the link's own.
using SubclassProc = std::function<LResult(HWnd, MessageId, WParam, LParam, std::uintptr_t id,
                                           std::intptr_t refData)>;

enum class MouseButton { Left, Right, Middle };

class WindowSystem {
public:
    WindowSystem();
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    // ---- classes and windows
    // False when a class of that name (compared without case) exists already.
    bool registerClass(WindowClass cls);
    bool isClassRegistered(const std::string& name) const;

    // Creates a window: WM_CREATE is sent first, and a result of -1 destroys the window again
    // and gives 0. 0 also for an unknown class or a child without a valid parent.
    HWnd createWindow(const CreateParams& params);
    // Destroys the window with its children and the windows it owns: WM_DESTROY to the window,
    // then its children go, then WM_NCDESTROY. The handle is dead at once; the window's
    // procedures and data are released when the last of its running handlers returns.
    bool destroyWindow(HWnd hwnd);
    bool isWindow(HWnd hwnd) const;

    HWnd parent(HWnd hwnd) const;  // 0 for a top-level window
    // Moves a child window into another parent, at the same coordinates in the new parent's
    // client area and at the top of its children. Returns the old parent; 0 (and nothing
    // changes) for a window that is not a child, a dead parent, or the window itself or one
    // of its descendants as the new parent.
    HWnd setParent(HWnd hwnd, HWnd newParent);
    HWnd owner(HWnd hwnd) const;
    HWnd topLevelOf(HWnd hwnd) const;
    std::string className(HWnd hwnd) const;
    std::string text(HWnd hwnd) const;
    bool setText(HWnd hwnd, const std::string& text);
    int controlId(HWnd hwnd) const;
    std::uint32_t style(HWnd hwnd) const;
    bool setStyle(HWnd hwnd, std::uint32_t style);  // the bits only; no messages
    std::uint32_t exStyle(HWnd hwnd) const;
    bool setExStyle(HWnd hwnd, std::uint32_t exStyle);
    std::intptr_t userData(HWnd hwnd) const;
    bool setUserData(HWnd hwnd, std::intptr_t value);
    // Per-window data of the window's class (as the tooltip class keeps its tools); nullptr for
    // a dead handle.
    std::any* classData(HWnd hwnd);
    // The process the window belongs to; 0 for a dead handle.
    int processId(HWnd hwnd) const;
    // This process, as processId numbers it.
    static int currentProcessId();
    // Every window that exists, in the order created.
    std::vector<HWnd> allWindows() const;

    // ---- place and z-order
    // The window's rectangle on the screen.
    Rect windowRect(HWnd hwnd) const;
    // The rectangle in its parent's client coordinates (the screen for a top-level window).
    Rect placement(HWnd hwnd) const;
    // (0, 0, width, height) of the client area: the window less its frame.
    Rect clientRect(HWnd hwnd) const;
    // The frame around the client area (a caption bar and borders that the window draws on
    // WM_NCPAINT); none by default. Client coordinates, children and WM_PAINT start inside it.
    bool setFrameInsets(HWnd hwnd, Insets insets);
    Insets frameInsets(HWnd hwnd) const;
    Point clientToScreen(HWnd hwnd, Point p) const;
    Point screenToClient(HWnd hwnd, Point p) const;
    // Sends WM_MOVE and WM_SIZE for what changed.
    bool moveWindow(HWnd hwnd, int x, int y, int width, int height);
    // Place, size, z-order (HWND_TOP, HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST or the window
    // to go just below) and visibility, as the SWP_ flags select.
    bool setWindowPos(HWnd hwnd, HWnd insertAfter, int x, int y, int width, int height,
                      std::uint32_t flags);
    bool isTopmost(HWnd hwnd) const;
    // GW_HWNDFIRST, GW_HWNDLAST, GW_HWNDNEXT (below), GW_HWNDPREV (above), GW_OWNER, GW_CHILD.
    HWnd getWindow(HWnd hwnd, int relation) const;
    // Top-level windows from the top of the z-order down.
    std::vector<HWnd> topLevelWindows() const;
    // Child windows from the top down.
    std::vector<HWnd> children(HWnd hwnd) const;
    // The screen windows are placed on, in pixels; a presenter sets the size of its display.
    Rect screenArea() const { return screen_; }
    void setScreenArea(Rect area) { screen_ = area; }
    // A top-level window by class (empty: any; compared without case) and text (exact).
    HWnd findWindow(const std::string& className, const std::string& text) const;

    // ---- visibility, enabled state, region
    // Returns whether the window was visible before. Sends WM_SHOWWINDOW on a change. Hiding
    // the window that holds the focus, or one of its parents, takes the focus away.
    bool showWindow(HWnd hwnd, bool show);
    // Visible itself and through all its parents.
    bool isVisible(HWnd hwnd) const;
    // Returns whether the window was enabled before. Sends WM_ENABLE on a change; a window
    // that loses its enabled state loses the focus and the mouse capture it (or a window
    // inside it) holds.
    bool enableWindow(HWnd hwnd, bool enable);
    // Enabled itself and through all its parents.
    bool isEnabled(HWnd hwnd) const;
    // The window's shape in pixels from its upper-left corner; none: the whole rectangle.
    bool setWindowRegion(HWnd hwnd, std::optional<WindowRegion> region, bool redraw);
    const WindowRegion* windowRegion(HWnd hwnd) const;

    // ---- window procedures and subclassing
    WndProc windowProc(HWnd hwnd) const;
    // Installs a new procedure and returns the one it replaces, for the new one to chain to.
    WndProc setWindowProc(HWnd hwnd, WndProc proc);
    static LResult callWindowProc(const WndProc& proc, HWnd hwnd, MessageId msg, WParam w,
                                  LParam l);
    // What a window does with a message its procedure leaves alone: WM_CLOSE destroys the
    // window; the Tab key moves the focus to the next tab stop (Shift+Tab: the previous one).
    LResult defWindowProc(HWnd hwnd, MessageId msg, WParam w, LParam l);

    // Adds a link above the window's procedure; the link installed last sees a message first
    // and passes it on with defSubclassProc. A link with the same id is replaced in place.
    bool setWindowSubclass(HWnd hwnd, std::uintptr_t id, SubclassProc proc,
                           std::intptr_t refData = 0);
    // Takes a link out; safe from inside any handler, the link's own included: a message
    // already on its way passes the removed link by, and the link is released when the
    // outermost message running through it returns.
    bool removeWindowSubclass(HWnd hwnd, std::uintptr_t id);
    std::optional<std::intptr_t> subclassRefData(HWnd hwnd, std::uintptr_t id) const;
    // From inside a link: passes the message to the next link down, and last to the window's
    // procedure. Outside any link of the window it calls the window's procedure.
    LResult defSubclassProc(HWnd hwnd, MessageId msg, WParam w, LParam l);

    // ---- messages and the loop
    // Runs the window's subclass chain and procedure at once; 0 for a dead handle.
    LResult sendMessage(HWnd hwnd, MessageId msg, WParam w = 0, LParam l = 0);
    // Queues the message; false for a dead handle. Messages to a window destroyed before
    // they run are dropped.
    bool postMessage(HWnd hwnd, MessageId msg, WParam w = 0, LParam l = 0);
    std::size_t pendingMessages() const { return queue_.size(); }
    // Asks the message loop to end with the code.
    void postQuitMessage(int code);
    bool quitPosted() const { return quitPosted_; }

    // ---- painting
    // The pixels of a top-level window and its children, the window's size; nullptr for a
    // child window or a dead handle.
    const gfx::Canvas* surface(HWnd top) const;
    // Marks part of the window (client coordinates; nullptr: all of it) for repainting. Once
    // the posted messages have run, the loop sends WM_PAINT to every shown window that covers
    // a marked pixel of its top-level window, parents before their children and lower siblings
    // before higher ones, then tells the observer which pixels changed. A hidden window's
    // marks wait until it shows.
    bool invalidateRect(HWnd hwnd, const Rect* rect = nullptr);
    bool invalidate(HWnd hwnd) { return invalidateRect(hwnd, nullptr); }
    // Paints what is marked in the window's top-level window now.
    bool updateWindow(HWnd hwnd);
    // Paints the whole top-level window with its shown children into its surface now, whether
    // or not it shows itself (as a picture of the window is taken); what was marked is then
    // painted. False for a child window or a dead handle.
    bool printWindow(HWnd top);
    // Inside WM_PAINT: a device context on the surface with the client area's upper-left
    // corner at (0, 0), clipped to what of the client area shows and is to be painted now;
    // `area`, when given, receives that part in client coordinates. Outside WM_PAINT it is
    // clipped to what shows. A window with a frame gets WM_NCPAINT before WM_PAINT and draws
    // its frame through windowDC, whose (0, 0) is the window's upper-left corner.
    gfx::DeviceContext beginPaint(HWnd hwnd, gfx::Region* area = nullptr);
    gfx::DeviceContext windowDC(HWnd hwnd);
    // Drawing straight onto the window's part of the surface outside WM_PAINT; releaseDC tells
    // the observer that the window's pixels changed.
    gfx::DeviceContext getDC(HWnd hwnd);
    void releaseDC(HWnd hwnd);
    // What of the window shows, in its top-level window's coordinates: its rectangle cut by
    // its parents' and by every window region on the way up (the siblings above it aside).
    gfx::Region visibleArea(HWnd hwnd) const;

    // ---- the presenter
    // The one observer of top-level windows, surfaces, tray icons and the pointer; nullptr for
    // none. It must outlive its installation.
    void setObserver(WindowObserver* observer) { observer_ = observer; }
    WindowObserver* observer() const { return observer_; }
    // The pointer's shape over a window, an IDC_ value; 0 takes its parent's (the arrow at the
    // top). The observer hears the shape whenever the pointer's window changes it.
    bool setWindowCursor(HWnd hwnd, int cursor);
    int windowCursor(HWnd hwnd) const;
    int cursorShape() const { return cursorShape_; }

    // Runs what is pending now: the messages posted before the call, then WM_PAINT for every
    // visible window marked for it, then each timer that is due once. May be called from
    // inside any handler, nested; messages posted meanwhile wait for the next call.
    void doEvents();
    // Lets the loop run for ms on the platform clock. On a fake clock the clock is moved
    // forward fire by fire: every timer fire due on the way happens, in time order, with the
    // posted messages run between them. On the real clock it waits and runs what comes.
    void pumpFor(std::int64_t ms);
    // The program's message loop: runs until postQuitMessage and returns its code. On a fake
    // clock it moves the clock to the next timer when idle, and returns -1 when nothing is
    // left that could ever happen.
    int runMessageLoop();
    // A nested run of the loop (a modal window, a popup menu): passes until done() holds or a
    // quit is posted (which stays posted for the loop outside). While idle it sleeps until a
    // descriptor is ready or the next timer is due; on a fake clock it calls idle, or without
    // one moves the clock to the next timer. Throws std::logic_error on a fake clock when
    // nothing is left that could end the wait.
    void runUntil(const std::function<bool()>& done, const std::function<void()>& idle = {});

    // ---- descriptors the loop watches
    // Each doEvents runs the handlers of the watched descriptors that are ready; while idle the
    // loop sleeps in poll(2) until one is, or until the next timer is due. Returns the watch id.
    int watchDescriptor(int fd, short events, DescriptorSet::Ready ready);
    bool unwatchDescriptor(int id);
    bool setDescriptorEvents(int id, short events);
    // Called before the loop sleeps (a display connection flushes and reads what it has
    // buffered here); a hook that returns true had work, and the loop looks again instead of
    // sleeping. Returns the hook's id.
    int addWaitHook(std::function<bool()> hook);
    void removeWaitHook(int id);

    // ---- timers
    // Starts (or restarts) the timer id of the window; each fire sends WM_TIMER (wParam: the
    // id) or, when given, calls proc instead. A window timer of a dead handle gives 0. With
    // hwnd 0 a new id is chosen unless id names an existing timer of no window. Interval 0
    // never fires; on the real clock intervals below 10 ms fire every 10 ms.
    std::uintptr_t setTimer(HWnd hwnd, std::uintptr_t id, std::uint32_t intervalMs,
                            TimerProc proc = {});
    bool killTimer(HWnd hwnd, std::uintptr_t id);

    // ---- mouse
    Point cursorPos() const { return cursor_; }
    // The deepest visible window under the point (screen coordinates), through the z-order,
    // the topmost band and window regions. A disabled child window is passed over for its
    // parent. 0 when there is none.
    HWnd windowFromPoint(Point screen) const;
    // Mouse input goes to the capturing window wherever the pointer is. Returns the window
    // that had the capture.
    HWnd setCapture(HWnd hwnd);
    bool releaseCapture();
    HWnd capture() const { return capture_; }
    // Asks for one WM_MOUSELEAVE once the pointer is no longer over the window; when it is
    // not over it already, the message is posted at once. One window is tracked at a time.
    bool trackMouseLeave(HWnd hwnd);
    bool cancelMouseLeave(HWnd hwnd);
    HWnd trackedWindow() const { return tracked_; }
    // Milliseconds and the box (pixels either way) within which a second press is a double
    // click.
    static constexpr std::int64_t kDoubleClickMs = 500;
    static constexpr int kDoubleClickBox = 2;

    // ---- keyboard and focus
    // Returns the window that had the focus, or 0 when the window cannot take it (dead,
    // hidden or disabled). Sends WM_KILLFOCUS and WM_SETFOCUS and activates the window's
    // top-level window. setFocus(0) takes the focus away.
    HWnd setFocus(HWnd hwnd);
    HWnd focus() const { return focus_; }
    // The top-level window the person works in.
    HWnd activeWindow() const { return active_; }
    // Brings the top-level window of hwnd to the top of its band and activates it
    // (WM_ACTIVATE), moving the focus into it.
    bool setForegroundWindow(HWnd hwnd);
    // The tab order of a top-level window: its visible, enabled descendants with WS_TABSTOP,
    // by tab index (the order created unless set).
    bool setTabIndex(HWnd hwnd, int index);
    int tabIndex(HWnd hwnd) const;
    // The next (or previous) tab stop after `from`, round the end; 0 when there is none.
    HWnd nextTabStop(HWnd from, bool previous) const;
    // Whether the key was down as of the key message now being handled (so a handler sees
    // Shift as it was when its key arrived, however far input has run ahead).
    bool isKeyDown(int vk) const { return keyState_.count(vk) != 0; }

    // ---- input from the person (the presenter) or from a test; queued like real input
    // Mouse input goes to the capture, else to the deepest shown window under the pointer; a
    // disabled one takes none, and its parent none in its place.
    // Moves the pointer: WM_MOUSELEAVE for a tracked window it left, WM_MOUSEMOVE to the
    // window under it (or the capture).
    void mouseMoveTo(Point screen);
    // A press is a double click when it follows a press of the same button on the same window
    // within the time and box: down, up, double click, up.
    void mouseButtonDown(MouseButton button);
    void mouseButtonUp(MouseButton button);
    // WM_MOUSEWHEEL to the focus window (or the window under the pointer).
    void mouseWheel(int delta);
    // WM_KEYDOWN (and, with translate, WM_CHAR for a key that types one) / WM_KEYUP to the
    // focus window. A presenter that knows the character a key types itself passes translate
    // false and sends the character with typeChar.
    void keyDown(int vk, bool translate = true);
    void keyUp(int vk);
    // WM_CHAR with one Windows-1252 byte to the focus window.
    void typeChar(unsigned char c);
    // A key's state without a message, as if it had gone down or up while no window listened
    // (a presenter that gains the keyboard with a modifier already held).
    void setKeyState(int vk, bool down);
    // Both.
    void keyPress(int vk);

    // ---- the notification area
    NotificationArea& notificationArea();

private:
    struct Window;
    struct SubclassLink;
    struct Frame;
    struct Posted {
        HWnd hwnd;
        MessageId msg;
        WParam w;
        LParam l;
        std::uint64_t seq;
    };

    std::shared_ptr<Window> find(HWnd hwnd) const;
    std::vector<HWnd>* siblingList(const Window& w);
    const std::vector<HWnd>* siblingList(const Window& w) const;
    void placeInZOrder(Window& w, HWnd insertAfter);
    void unlink(Window& w);
    void destroyTree(const std::shared_ptr<Window>& w);
    bool isDescendantOrSelf(HWnd hwnd, HWnd ancestor) const;
    bool hitTest(const Window& w, Point screen) const;
    // With passDisabled, a disabled child is passed over for its parent; without, it is found.
    HWnd deepestChildAt(const Window& w, Point screen, bool passDisabled = true) const;
    // The window mouse input at the point goes to: the deepest shown window, disabled or not.
    HWnd inputTarget(Point screen) const;
    // False when nothing could ever end an idle wait on the fake clock.
    bool idleStep(const std::function<void()>& idle);
    LResult runChain(Frame& f, std::size_t from, MessageId msg, WParam w, LParam l);
    void activate(HWnd top);
    WParam mouseKeyState() const;
    void postMouse(HWnd target, MessageId msg);
    void paintPending();
    void paintTop(Window& top);
    void paintArea(Window& top, const gfx::Region& area);
    void paintTree(const std::shared_ptr<Window>& w, const gfx::Region& area);
    gfx::DeviceContext paintDC(HWnd hwnd, bool client, gfx::Region* area);
    // Where the window's client area begins on its top-level window's surface.
    gfx::Point clientOrigin(const Window& w) const;
    void fireTimers();
    // Sleeps until a descriptor is ready, a wait hook has work, or ms have passed.
    void waitForWork(std::int64_t ms);
    void notifyTop(const Window& w, unsigned changes);
    void updateCursor();

    std::map<HWnd, std::shared_ptr<Window>> windows_;
    std::vector<WindowClass> classes_;
    std::vector<HWnd> topLevel_;  // top first; the topmost band leads
    Rect screen_{0, 0, 1024, 768};
    HWnd nextHandle_ = 0x10010;
    std::uint64_t nextSerial_ = 1;

    std::vector<Frame*> frames_;
    std::deque<Posted> queue_;
    std::uint64_t nextSeq_ = 1;
    bool quitPosted_ = false;
    int exitCode_ = 0;
    DescriptorSet descriptors_;
    std::vector<std::pair<int, std::function<bool()>>> waitHooks_;
    int nextWaitHook_ = 1;
    WindowObserver* observer_ = nullptr;
    int cursorShape_ = 0;

    TimerQueue timers_;
    std::uintptr_t nextTimerId_ = 1;

    Point cursor_;
    unsigned buttons_ = 0;
    HWnd capture_ = 0;
    HWnd tracked_ = 0;
    struct LastPress {
        HWnd hwnd = 0;
        MouseButton button = MouseButton::Left;
        std::int64_t tick = 0;
        Point at;
        bool wasDouble = false;
    } lastPress_;
    HWnd focus_ = 0;
    HWnd active_ = 0;
    std::set<int> keysDown_;  // as input arrives
    std::set<int> keyState_;  // as key messages are handled

    std::unique_ptr<NotificationArea> tray_;
};

// The program's window system; a test installs its own with ScopedWindowSystem.
WindowSystem& windows();
using ScopedWindowSystem = ScopedService<WindowSystem>;

}  // namespace qv::gui
