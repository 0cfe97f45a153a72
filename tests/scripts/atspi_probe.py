#!/usr/bin/python3
"""Reads and works Dunok through the accessibility bus, as a screen reader does.

Run with Debian's own python3 (it has the AT-SPI bindings), with the session bus
and, on X, the display that Dunok uses. Each command prints what it found and
exits 0, or says what is wrong and exits 1.

  ready                Dunok's main window is on the accessibility bus
  rows                 each row of the timer list, its cells' texts tab-separated
  cell ROW COLUMN      the text of one cell of the timer list
  status               the text of the status line under the list
  select ROW           selects that row of the list, through the table
  press NAME           does the action of the button or menu item called NAME
  check-main           every toolbar button, menu item and control of the main window
                       has a name
  check-editor         every control of the open timer editor has a name
  check-calendar       opens the editor's calendar; every control in it has a name
"""

import sys
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# The bindings call some of their own calls old; the calls still work.
warnings.simplefilter("ignore", DeprecationWarning)

R = Atspi.Role
S = Atspi.StateType

# What a user works or reads: each must say what it is.
CONTROLS = {
    R.PUSH_BUTTON, R.TOGGLE_BUTTON, R.CHECK_BOX, R.RADIO_BUTTON, R.SLIDER, R.SPIN_BUTTON,
    R.COMBO_BOX, R.TEXT, R.ENTRY, R.PASSWORD_TEXT, R.MENU_ITEM, R.CHECK_MENU_ITEM,
    R.RADIO_MENU_ITEM, R.TABLE_CELL, R.LIST_ITEM, R.PAGE_TAB, R.DATE_EDITOR, R.CALENDAR,
    R.TABLE, R.LIST, R.TOOL_BAR, R.DIALOG, R.FRAME, R.IMAGE,
}


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child


def walk(node, showing_only=True):
    """The node and all below it; with showing_only, what is on screen."""
    yield node
    for child in children(node):
        if showing_only and not child.get_state_set().contains(S.SHOWING):
            continue
        yield from walk(child, showing_only)


def application():
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        try:
            if app.get_name().lower() == "dunok":
                return app
        except GLib.Error:
            continue  # an application that left while we looked
    fail("Dunok is not on the accessibility bus")


def windows(role):
    return [w for w in children(application()) if w.get_role() == role]


def main_window():
    for frame in windows(R.FRAME):
        if frame.get_name() == "Dunok":
            return frame
    fail("Dunok's main window is not on the accessibility bus")


def first(node, role, showing_only=True):
    for n in walk(node, showing_only):
        if n.get_role() == role:
            return n
    fail(f"no {Atspi.role_get_name(role)} in {node.get_name()!r}")


def timer_table():
    table = first(main_window(), R.TABLE)
    if "Table" not in table.get_interfaces():
        fail("the timer list does not offer the table interface")
    return table


def cell_text(table, row, column):
    cell = Atspi.Table.get_accessible_at(table, row, column)
    if cell is None:
        fail(f"the list has no cell at row {row}, column {column}")
    return cell.get_name()


def label_of(node):
    """The name of what the node says labels it, as a screen reader reads it."""
    for relation in node.get_relation_set():
        if relation.get_relation_type() != Atspi.RelationType.LABELLED_BY:
            continue
        for i in range(relation.get_n_targets()):
            name = relation.get_target(i).get_name().strip()
            if name:
                return name
    return ""


def spoken_name(node):
    """What a screen reader says a control is; empty when it could say nothing."""
    # On Linux a combo box's name is its current entry: what it is comes from
    # the label it names as its own.
    if node.get_role() == R.COMBO_BOX:
        label = label_of(node)
        return f"{label} {node.get_name()}".strip() if label else ""
    return node.get_name().strip()


def check_names(root, menus=False):
    """Prints each control under root with its name; returns the counts by role
    and the list of unnamed ones."""
    counts, unnamed = {}, []
    for node in walk(root, showing_only=not menus):
        role = node.get_role()
        states = node.get_state_set()
        # Closed menus are not on screen, but their items are what the user
        # hears when they open.
        if menus and not states.contains(S.SHOWING) and role not in (
                R.MENU_ITEM, R.MENU, R.POPUP_MENU, R.SEPARATOR):
            continue
        if role not in CONTROLS and not states.contains(S.FOCUSABLE):
            continue
        # A table's row headers that the list does not show are no control.
        if role == R.TABLE_ROW_HEADER:
            continue
        role_name = Atspi.role_get_name(role)
        counts[role_name] = counts.get(role_name, 0) + 1
        name = spoken_name(node)
        if name:
            print(f"{role_name}: {name}")
        else:
            parent = node.get_parent()
            where = parent.get_name() if parent is not None else ""
            unnamed.append(f"{role_name} in {where!r} ({Atspi.role_get_name(parent.get_role())})")
    return counts, unnamed


def expect(counts, unnamed, needs):
    for role, least in needs.items():
        if counts.get(role, 0) < least:
            fail(f"expected at least {least} {role}, found {counts.get(role, 0)}: {counts}")
    if unnamed:
        fail("without a name a screen reader can say:\n  " + "\n  ".join(unnamed))


def do_action(node, wanted=("Press", "Toggle", "ShowMenu")):
    if "Action" not in node.get_interfaces():
        fail(f"{node.get_name()!r} has no actions")
    names = [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]
    for want in wanted:
        if want in names:
            if not Atspi.Action.do_action(node, names.index(want)):
                fail(f"{want} on {node.get_name()!r} was refused")
            return
    fail(f"{node.get_name()!r} offers only {names}")


def find_named(name):
    """The control called name: in an open dialog first, then the main window
    (its menus too, shown or not)."""
    for window in windows(R.DIALOG) + [main_window()]:
        for node in walk(window, showing_only=False):
            if node.get_name() == name and node.get_role() in CONTROLS:
                return node
    fail(f"no control is called {name!r}")


def editor():
    dialogs = windows(R.DIALOG)
    if not dialogs:
        fail("no editor dialog is open")
    return dialogs[0]


def popup_after(press):
    """Does press() and returns the window that came up because of it: a popup
    is not among the application's windows, and a screen reader learns of it
    from the events it sends as it shows."""
    shown = []

    def on_event(event):
        if event.detail1:
            shown.append(event.source)

    listener = Atspi.EventListener.new(on_event)
    listener.register("object:state-changed:showing")
    loop = GLib.MainLoop()
    found = []

    def look():
        for node in shown:
            top = node
            while top.get_parent() is not None and top.get_parent().get_role() != R.APPLICATION:
                top = top.get_parent()
            if top.get_role() in (R.FRAME, R.WINDOW, R.DIALOG) and top.get_name() != "Dunok":
                found.append(top)
                loop.quit()
                return False
        return True

    GLib.idle_add(lambda: press() and False)
    GLib.timeout_add(100, look)
    GLib.timeout_add(10000, loop.quit)
    loop.run()
    listener.deregister("object:state-changed:showing")
    if not found:
        fail("nothing came up")
    return found[0]


def command(args):
    what = args[0] if args else ""
    if what == "ready":
        main_window()
        timer_table()
        print("ready")
    elif what == "rows":
        table = timer_table()
        columns = Atspi.Table.get_n_columns(table)
        for row in range(Atspi.Table.get_n_rows(table)):
            print("\t".join(cell_text(table, row, c) for c in range(columns)))
    elif what == "cell":
        print(cell_text(timer_table(), int(args[1]), int(args[2])))
    elif what == "status":
        table = first(main_window(), R.TABLE)
        # The status line is the label beside the list.
        for node in children(table.get_parent()):
            if node.get_role() == R.LABEL:
                print(node.get_name())
                return
        fail("no status line beside the list")
    elif what == "select":
        row = int(args[1])
        table = timer_table()
        if not Atspi.Table.add_row_selection(table, row):
            fail(f"row {row} could not be selected")
        if not Atspi.Table.is_row_selected(table, row):
            fail(f"row {row} is not selected after selecting it")
        print(f"selected {cell_text(table, row, 0)}")
    elif what == "press":
        do_action(find_named(args[1]))
        print(f"pressed {args[1]}")
    elif what == "check-main":
        window = main_window()
        print(f"window: {window.get_name()}")
        # The toolbar's buttons, the menus' items, the list's cells and the
        # quick-help icon beside the status line.
        counts, unnamed = check_names(window, menus=True)
        expect(counts, unnamed, {"tool bar": 1, "push button": 8, "menu item": 16, "table": 1,
                                 "table cell": 2, "image": 1})
    elif what == "check-editor":
        dialog = editor()
        counts, unnamed = check_names(dialog)
        expect(counts, unnamed, {"slider": 3, "text": 1, "combo box": 1, "spin button": 1,
                                 "check box": 1, "push button": 4})
    elif what == "check-calendar":
        button = None
        for node in walk(editor()):
            if node.get_role() == R.PUSH_BUTTON and "calendar" in node.get_name().lower():
                button = node
        if button is None:
            fail("the editor has no calendar button")
        calendar = popup_after(lambda: do_action(button))
        print(f"popup: {calendar.get_name()}")
        counts, unnamed = check_names(calendar)
        # Two arrows and the days of one month; no blank buttons around them.
        expect(counts, unnamed, {"push button": 2 + 28})
        if counts["push button"] > 2 + 31:
            fail(f"{counts['push button']} buttons in a month's calendar")
    else:
        print(__doc__, file=sys.stderr)
        sys.exit(2)


if __name__ == "__main__":
    try:
        command(sys.argv[1:])
    except GLib.Error as error:
        fail(f"the accessibility bus said: {error.message}")
    except BrokenPipeError:
        pass  # whoever read our output has what it wanted
