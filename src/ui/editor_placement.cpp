// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor_placement.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace talve::ui {
namespace {

constexpr int kLookupMs = 100;
constexpr int kLookups = 20;  // 2 s

template <typename T>
using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* x, const char* name) {
  XcbReply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(x, xcb_intern_atom(x, 1, static_cast<uint16_t>(std::strlen(name)), name),
                            nullptr),
      &std::free);
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::vector<xcb_window_t> window_list(xcb_connection_t* x, xcb_window_t window, xcb_atom_t property) {
  XcbReply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(x, xcb_get_property(x, 0, window, property, XCB_ATOM_WINDOW, 0, 8192), nullptr),
      &std::free);
  if (!reply || reply->format != 32) return {};
  const auto* first = static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
  return {first, first + xcb_get_property_value_length(reply.get()) / 4};
}

// The windows a program may own: the desktop's list of client windows, or
// the root's children where no window manager keeps one.
std::vector<xcb_window_t> top_windows(xcb_connection_t* x, xcb_window_t root) {
  std::vector<xcb_window_t> clients = window_list(x, root, atom(x, "_NET_CLIENT_LIST"));
  if (!clients.empty()) return clients;
  XcbReply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr),
                                        &std::free);
  if (!tree) return {};
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  return {children, children + xcb_query_tree_children_length(tree.get())};
}

xcb_window_t window_of_process(xcb_connection_t* x, xcb_window_t root, qint64 pid) {
  const xcb_atom_t pid_atom = atom(x, "_NET_WM_PID");
  if (pid_atom == static_cast<xcb_atom_t>(XCB_ATOM_NONE)) return XCB_WINDOW_NONE;
  for (xcb_window_t window : top_windows(x, root)) {
    XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, pid_atom, XCB_ATOM_CARDINAL, 0, 1), nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) continue;
    if (*static_cast<const uint32_t*>(xcb_get_property_value(reply.get())) == static_cast<uint32_t>(pid))
      return window;
  }
  return XCB_WINDOW_NONE;
}

// Where the editor goes, in screen pixels.
QRect editor_place(QWidget* window) {
  const QRect screen = window->screen()->geometry();
  int left = window->frameGeometry().left() + window->width() / 2;
  if (const auto* help = window->findChild<QWidget*>("Memo2"); help && help->isVisible())
    left = help->mapToGlobal(QPoint(0, 0)).x();
  int top = window->geometry().top();
  if (const auto* table = window->findChild<QWidget*>("StringGrid1"))
    top = table->mapToGlobal(QPoint(0, 0)).y();
  const int width = screen.right() + 1 - left - 20;
  const int height = screen.bottom() + 1 - top - 60;
  return {left, top, std::max(width, 200), std::max(height, 150)};
}

void move_to_front(xcb_connection_t* x, xcb_window_t root, xcb_window_t editor, const QRect& place) {
  const uint32_t values[] = {static_cast<uint32_t>(place.x()), static_cast<uint32_t>(place.y()),
                             static_cast<uint32_t>(place.width()), static_cast<uint32_t>(place.height()),
                             XCB_STACK_MODE_ABOVE};
  xcb_configure_window(x, editor,
                       XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                           XCB_CONFIG_WINDOW_HEIGHT | XCB_CONFIG_WINDOW_STACK_MODE,
                       values);
  // The desktop's way to bring a window forward: the request comes from a
  // program acting for the user (source 2).
  xcb_client_message_event_t activate{};
  activate.response_type = XCB_CLIENT_MESSAGE;
  activate.format = 32;
  activate.window = editor;
  activate.type = atom(x, "_NET_ACTIVE_WINDOW");
  activate.data.data32[0] = 2;
  activate.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(x, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&activate));
  xcb_flush(x);
}

}  // namespace

void place_editor_window(qint64 pid, QWidget* window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !window || pid <= 0) return;
  // The offscreen platform answers as X11 without a connection.
  xcb_connection_t* x = x11->connection();
  if (!x || xcb_connection_has_error(x)) return;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  auto* timer = new QTimer(window);
  timer->setInterval(kLookupMs);
  QObject::connect(timer, &QTimer::timeout, window, [=, lookups = 0]() mutable {
    const xcb_window_t editor = window_of_process(x, root, pid);
    if (editor != XCB_WINDOW_NONE) move_to_front(x, root, editor, editor_place(window));
    if (editor == XCB_WINDOW_NONE && ++lookups < kLookups) return;
    timer->stop();
    timer->deleteLater();
  });
  timer->start();
}

}  // namespace talve::ui
