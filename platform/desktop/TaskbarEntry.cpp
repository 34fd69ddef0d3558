#include "platform/desktop/TaskbarEntry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QVariant>
#include <QWidget>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <vector>
#endif

namespace {

constexpr const char* kEntryProperty = "taskbarEntry";

#if QT_CONFIG(xcb)

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The window manager reads _NET_WM_STATE when it maps a window and forgets
// it when the window is withdrawn; while the window is mapped, a change is a
// request sent to the root window.
void ApplyOnX11(QWidget* window, bool entry, bool mapped) {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c || !window->windowHandle())
        return;
    const xcb_window_t id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t state = Atom(c, "_NET_WM_STATE");
    const xcb_atom_t skip = Atom(c, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE)
        return;
    if (mapped) {
        xcb_client_message_event_t request{};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = id;
        request.type = state;
        request.data.data32[0] = entry ? 0 : 1;  // remove, add
        request.data.data32[1] = skip;
        request.data.data32[3] = 1;  // from an application
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        xcb_send_event(c, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&request));
    } else {
        // Qt adds its own states to what it finds when it maps the window.
        std::vector<xcb_atom_t> atoms;
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            c, xcb_get_property(c, 0, id, state, XCB_ATOM_ATOM, 0, 1024), nullptr);
        if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
            const auto* data = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
            for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i)
                if (data[i] != skip)
                    atoms.push_back(data[i]);
        }
        std::free(reply);
        if (!entry)
            atoms.push_back(skip);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                            static_cast<uint32_t>(atoms.size()), atoms.data());
    }
    xcb_flush(c);
}

#else

void ApplyOnX11(QWidget*, bool, bool) {}

#endif

// Puts the choice on the window again each time it is shown, before the
// window manager maps it.
class EntryKeeper : public QObject {
public:
    static constexpr const char* Name = "taskbarEntryKeeper";
    explicit EntryKeeper(QWidget* window) : QObject(window) { setObjectName(Name); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QWidget*>(watched);
            ApplyOnX11(window, HasTaskbarEntry(window), false);
        }
        return false;
    }
};

}  // namespace

void SetTaskbarEntry(QWidget* window, bool entry) {
    window->setProperty(kEntryProperty, entry);
    if (!window->findChild<QObject*>(EntryKeeper::Name, Qt::FindDirectChildrenOnly))
        window->installEventFilter(new EntryKeeper(window));
    if (window->isVisible())
        ApplyOnX11(window, entry, true);
}

bool HasTaskbarEntry(const QWidget* window) {
    const QVariant entry = window->property(kEntryProperty);
    return !entry.isValid() || entry.toBool();
}
