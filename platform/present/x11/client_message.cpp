#include "platform/present/x11/client_message.h"

namespace qv::present::x11 {

void sendClientMessage(::Display* dpy, Window to, Window about, Atom type, std::initializer_list<long> fields,
                       long mask) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = about;
    e.xclient.message_type = type;
    e.xclient.format = 32;
    int i = 0;
    for (long f : fields)
        if (i < 5) e.xclient.data.l[i++] = f;
    XSendEvent(dpy, to, False, mask, &e);
}

}  // namespace qv::present::x11
