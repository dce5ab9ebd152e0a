#!/usr/bin/python3
"""Uses the window of vantorel-control-center (started with --emulator) as a
screen reader user does: key presses only (xdotool), everything read through
AT-SPI. Picks the emulator's ports, sets DMX channel 7 in the edit row, adds
it, writes the table to the device and reads the status line. Then fills the
table with 512 channels and reads every cell through the Table interface.
Exits 0 when all of it worked within the time limit, 1 otherwise."""

import subprocess
import sys
import time

import pyatspi

EMULATOR_PORT = 'VANTOREL Emulator'
WRITTEN = 'Writing data to device finished succesfully.'
VERIFIED = 'Verified: 1 channels match.'
WALK_SECONDS = 120
COLUMNS = 10


class Failure(Exception):
    pass


def wait_for(what, probe, seconds=20):
    """Polls `probe` on the bus until it returns something true."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = probe()
        except (LookupError, RuntimeError):  # an object went away meanwhile
            found = None
        if found:
            return found
        time.sleep(0.05)
    raise Failure('timed out waiting for ' + what)


def keys(*names):
    subprocess.run(['xdotool', 'key', '--clearmodifiers', '--delay', '20', *names], check=True)


def children(node):
    return [child for child in node if child is not None]


def find_all(node, predicate, found=None):
    """Depth first, in the order of the tree; does not descend into tables and
    the lists of combo boxes (thousands of cells and items)."""
    found = [] if found is None else found
    if predicate(node):
        found.append(node)
    if node.getRole() not in (pyatspi.ROLE_TABLE, pyatspi.ROLE_COMBO_BOX):
        for child in children(node):
            find_all(child, predicate, found)
    return found


def of_role(role, name=None):
    return lambda node: node.getRole() == role and (name is None or node.name == name)


def text(node):
    """What a screen reader says of a label: its name, description and text
    (a label named for what it shows has its words in the latter two)."""
    said = (node.name or '') + ' ' + (node.description or '')
    try:
        content = node.queryText()
        said += ' ' + content.getText(0, content.characterCount)
    except NotImplementedError:
        pass
    return said


def application():
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app.name == 'VANTOREL Control Center':
            return app
    return None


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def main_window():
    app = wait_for('the program on the accessibility bus', application, 30)
    return wait_for('the main window', lambda: next((w for w in children(app)
                                                      if w.name.startswith('VANTOREL Control Center')), None))


def dmx_channel_box(window):
    # The edit row's first box; named "DMX ch." after its label.
    boxes = find_all(window, of_role(pyatspi.ROLE_SPIN_BUTTON))
    return next((box for box in boxes if box.name.startswith('DMX')), boxes[0] if boxes else None)


def channel_table(window):
    tables = find_all(window, of_role(pyatspi.ROLE_TABLE))
    return tables[0].queryTable() if tables else None


def status_line(window):
    # The label beside "Status:" (lbllngStatMsg); AT-SPI has no object names.
    caption = find_all(window, of_role(pyatspi.ROLE_LABEL, 'Status:'))
    if not caption:
        raise Failure('no label "Status:"')
    parent = caption[0].parent
    return parent[caption[0].getIndexInParent() + 1]


def use_ports(window):
    """The emulator's ports are listed first and chosen at start; the write
    below shows that the pair answers. (Named after its label, a box no longer
    tells its choice over AT-SPI with Qt 6.4: its list is checked instead.)"""
    for box in find_all(window, of_role(pyatspi.ROLE_COMBO_BOX))[:2]:
        items = [item.name for items in children(box) for item in children(items)]
        print('port box "%s": first of %s' % (box.name, items[:3]))
        if EMULATOR_PORT not in text(box) and items[:1] != [EMULATOR_PORT]:
            raise Failure('port box "%s" does not show the emulator' % box.name)


def activate(window):
    # The window manager gives a new window the focus; should it have been
    # mapped before the window manager ran, it is asked to.
    active = lambda: window.getState().contains(pyatspi.STATE_ACTIVE)
    try:
        wait_for('the window to be active', active, 3)
    except Failure:
        subprocess.run(['xdotool', 'search', '--name', '^VANTOREL Control Center;', 'windowactivate'],
                       stderr=subprocess.DEVNULL, check=False)
        wait_for('the window to be active', active, 10)


def write_channel_7(window):
    box = wait_for('the DMX channel box', lambda: dmx_channel_box(window))
    activate(window)
    # Tab through the window until the edit row's DMX channel box has the focus.
    for _ in range(80):
        if focused(box):
            break
        keys('Tab')
    else:
        raise Failure('Tab never reached the DMX channel box')
    keys('ctrl+a', '7')
    wait_for('DMX channel 7 in the edit row', lambda: box.queryValue().currentValue == 7, 5)
    table = channel_table(window)
    rows = table.nRows
    # Enter on a channel the list lacks asks whether to add it; Enter answers Yes.
    keys('Return')
    wait_for('the question "Add channel?"', lambda: find_all(application(), of_role(pyatspi.ROLE_ALERT)) or
             find_all(application(), of_role(pyatspi.ROLE_DIALOG)), 5)
    keys('Return')
    wait_for('the added channel', lambda: channel_table(window).nRows == rows + 1, 5)
    status = status_line(window)
    keys('ctrl+w')  # Write to device, then verify (on by default)
    wait_for('"%s" in the status line' % VERIFIED, lambda: VERIFIED in text(status), 30)
    print('status line:', text(status).strip())
    # The status line said the write's outcome before the verification's; the
    # message list keeps both.
    if not find_all(window, lambda n: n.getRole() == pyatspi.ROLE_LIST_ITEM and WRITTEN in n.name):
        raise Failure('no message "%s"' % WRITTEN)


def walk_full_table(window):
    menu_item = find_all(window, of_role(pyatspi.ROLE_MENU_ITEM, 'Add 512 DMX channels'))
    if not menu_item:
        raise Failure('no menu item "Add 512 DMX channels"')
    menu_item[0].queryAction().doAction(0)
    table = wait_for('512 rows', lambda: (lambda t: t if t and t.nRows == 512 else None)(channel_table(window)))
    if table.nColumns != COLUMNS:
        raise Failure('%d columns, expected %d' % (table.nColumns, COLUMNS))
    start = time.monotonic()
    empty = 0
    for row in range(table.nRows):
        for column in range(table.nColumns):
            cell = table.getAccessibleAt(row, column)
            if cell is None:
                raise Failure('no cell at row %d, column %d' % (row, column))
            empty += not cell.name
        if time.monotonic() - start > WALK_SECONDS:
            raise Failure('walk stalled: %d rows in %d s' % (row + 1, WALK_SECONDS))
    first = table.getAccessibleAt(6, 0).name
    print('walked %d x %d cells in %.1f s (%d empty); row 7 reads "%s"'
          % (table.nRows, table.nColumns, time.monotonic() - start, empty, first))
    if '7' not in first:
        raise Failure('row 7 reads "%s"' % first)


def main():
    try:
        window = main_window()
        use_ports(window)
        write_channel_7(window)
        walk_full_table(window)
    except Failure as failure:
        print('FAIL:', failure)
        app = application()
        if app:  # what the window said meanwhile
            for node in find_all(app, lambda n: n.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_DIALOG,
                                                                 pyatspi.ROLE_ALERT)):
                print('  %s: %s' % (node.getRoleName(), text(node).strip()))
        return 1
    print('PASS')
    return 0


if __name__ == '__main__':
    sys.exit(main())
