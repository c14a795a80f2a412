#pragma once
// Winsock: the TCP socket control. Connect starts a non-blocking connection (a host name is
// looked up off the loop's thread, so Connect never waits for the resolver); the message loop
// watches the socket as one of its descriptors and raises Connect, DataArrival, Close and Error. Sends never raise SIGPIPE.
// An operation the current state does not allow throws BasicError with the control's number
// (40006, 40020) and changes nothing.
#include <memory>
#include <string>

#include "platform/forms/control.h"
#include "platform/forms/runtime.h"

namespace qv::forms {

enum SocketState : int {
    sckClosed = 0,
    sckOpen = 1,
    sckListening = 2,
    sckConnectionPending = 3,
    sckResolvingHost = 4,
    sckHostResolved = 5,
    sckConnecting = 6,
    sckConnected = 7,
    sckClosing = 8,  // the peer has closed; data may still be read
    sckError = 9,
};

enum SocketError : int {
    sckBadState = 40006,       // wrong protocol or connection state
    sckInvalidOp = 40020,      // invalid operation at current state
    sckInvalidArg = 10014,
    sckConnectionRefused = 10061,
    sckTimedOut = 10060,
    sckHostNotFound = 11001,
    sckNetUnreachable = 10051,
    sckConnectionReset = 10054,
    sckConnectAborted = 10053,
};

class Winsock : public Control {
public:
    Winsock(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {}
    ~Winsock() override;
    std::string_view kind() const override { return "Winsock"; }
    bool windowed() const override { return false; }
    bool shownAtRunTime() const override { return false; }

    QV_FORMS_PROPERTY(std::string, RemoteHost, "")
    QV_FORMS_PROPERTY(int, RemotePort, 0)
    int LocalPort() const { return localPort_; }
    int State() const { return state_; }
    // Bytes received and not yet read by GetData.
    long BytesReceived() const { return static_cast<long>(received_.size()); }

    // Connects to host (a name or dotted address) and port; "" and 0 take RemoteHost and
    // RemotePort. Allowed only while closed (40020 otherwise). A port outside 1..65535 is 10014.
    // A name leaves the control resolving (4) until its lookup ends. A host that cannot be
    // found or reached comes later as the Error event.
    void Connect(const std::string& host = "", int port = 0);
    // Queues the data for sending; allowed only while connected (40006 otherwise).
    void SendData(const std::string& data);
    // Takes every byte received so far (maxLen > 0: at most that many).
    void GetData(std::string& data, long maxLen = 0);
    // Like GetData but leaves the bytes to be read again.
    void PeekData(std::string& data) const { data = received_; }
    // Closes the socket in any state; the control is closed afterwards. Raises no event.
    void Close();

    Event<> Connected;                      // the Connect event
    Event<long> DataArrival;                // bytesTotal
    Event<> Closed;                         // the Close event: the peer closed the connection
    Event<int, const std::string&> Error;  // Number, Description
    Event<long, long> SendComplete;         // unused sizes kept for the handler's shape

    void formUnloading() override { Close(); }

    // The texts the control reports its errors with.
    static std::string errorText(int number);

private:
    struct Lookup;
    // The loop found the watched descriptor ready.
    void ready(short revents);
    void startConnect(const void* address);
    void lookupEnded();
    // Watches the descriptor and events the state waits on (the lookup's, the socket's), or
    // nothing once closed.
    void rewatch();
    void unwatch();
    void fail(int number);
    void flush();
    void readAvailable();

    int fd_ = -1;
    int watch_ = 0;  // the loop's watch of the descriptor waited on, 0 for none
    int watchedFd_ = -1;
    // The name lookup under way, shared with the thread that runs it; dropped by Close.
    std::shared_ptr<Lookup> lookup_;
    int state_ = sckClosed;
    int localPort_ = 0;
    std::string received_;
    std::string pending_;
    // Work posted to the loop checks this, so it never reaches a destroyed control.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace qv::forms
