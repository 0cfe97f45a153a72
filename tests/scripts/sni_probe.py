"""What a status-notifier tray host sees of Dunok's item, and its menu used as a host uses it.

Usage: sni_probe.py COMMAND [ARG...] on the session bus of DBUS_SESSION_BUS_ADDRESS.
  items                  the items the watcher knows, one per line
  prop NAME              a property of the first item (ToolTip as its title, then its text)
  icon                   the item's pixmaps, "WxH DIGEST" a line, then its icon's name if any
  layout                 the item's menu, opened as a host does: id, depth, label and
                         whether it opens a submenu, an entry a line
  click LABEL...         opens the menu (and the submenus on the way) as a host does, then
                         clicks the entry found by that path of labels, each matched as a prefix
Exits with 1, saying why on stderr, when the item, the menu or the entry is not there.
"""
import sys
import zlib

from gi.repository import Gio, GLib

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"
bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)


def call(service, path, interface, method, args=None, reply=None):
    return bus.call_sync(service, path, interface, method, args,
                         GLib.VariantType(reply) if reply else None,
                         Gio.DBusCallFlags.NONE, 5000, None).unpack()


def get(service, path, interface, name):
    return call(service, path, "org.freedesktop.DBus.Properties", "Get",
                GLib.Variant("(ss)", (interface, name)), "(v)")[0]


def items():
    return get(WATCHER, "/StatusNotifierWatcher", WATCHER, "RegisteredStatusNotifierItems")


def item():
    """The first item as (service, path): a watcher keeps "service" or "service/path"."""
    known = items()
    if not known:
        sys.exit("no item is registered with the watcher")
    service, _, path = known[0].partition("/")
    return service, "/" + path if path else "/StatusNotifierItem"


def menu():
    service, path = item()
    return service, get(service, path, ITEM, "Menu")


def layout(service, path):
    # Each entry: (id, depth, label, opens a submenu); mnemonics' underscores taken out.
    def walk(node, depth):
        ident, props, children = node
        label = props.get("label", "").replace("_", "")
        yield ident, depth, label, props.get("children-display") == "submenu"
        for child in children:
            yield from walk(child, depth + 1)

    _, root = call(service, path, MENU, "GetLayout",
                   GLib.Variant("(iias)", (0, -1, [])), "(u(ia{sv}av))")
    return list(walk(root, 0))[1:]


def click(labels):
    service, path = menu()
    call(service, path, MENU, "AboutToShow", GLib.Variant("(i)", (0,)))
    parent, depth = None, 1
    for n, wanted in enumerate(labels):
        entries = layout(service, path)
        found = [e for e in entries if e[1] == depth and e[2].startswith(wanted)
                 and (parent is None or below(entries, parent, e[0]))]
        if not found:
            sys.exit(f"no menu entry '{wanted}' in {[e[2] for e in entries]}")
        ident = found[0][0]
        if n + 1 < len(labels):
            call(service, path, MENU, "AboutToShow", GLib.Variant("(i)", (ident,)))
            parent, depth = ident, depth + 1
    call(service, path, MENU, "Event",
         GLib.Variant("(isvu)", (ident, "clicked", GLib.Variant("i", 0), 0)))


def below(entries, parent, ident):
    """Whether ident is in the submenu of parent, entries being in the layout's order."""
    start = next(i for i, e in enumerate(entries) if e[0] == parent)
    for e in entries[start + 1:]:
        if e[1] <= entries[start][1]:
            return False
        if e[0] == ident:
            return True
    return False


def main(command, *args):
    if command == "items":
        print(*items(), sep="\n")
    elif command == "prop":
        value = get(*item(), ITEM, args[0])
        if args[0] == "ToolTip":  # (icon name, pixmaps, title, text)
            print(value[2], value[3], sep="\n")
        else:
            print(value)
    elif command == "icon":
        service, path = item()
        pixmaps = get(service, path, ITEM, "IconPixmap")
        # Each with a digest of its pixels, so that a change of the drawing shows.
        print(*[f"{w}x{h} {zlib.crc32(bytes(data)):08x}" for w, h, data in pixmaps
                if len(data) == w * h * 4], sep="\n")
        name = get(service, path, ITEM, "IconName")
        if name:
            print(name)
    elif command == "layout":
        service, path = menu()
        call(service, path, MENU, "AboutToShow", GLib.Variant("(i)", (0,)))  # as a host opens it
        for ident, depth, label, sub in layout(service, path):
            print(ident, depth, label, "submenu" if sub else "", sep="\t")
    elif command == "click":
        click(args)
    else:
        sys.exit(f"no command {command}")


if __name__ == "__main__":
    try:
        main(*sys.argv[1:])
    except GLib.Error as e:
        sys.exit(e.message)
