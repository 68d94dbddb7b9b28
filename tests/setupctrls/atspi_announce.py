"""Reads the running program through AT-SPI, as a screen reader does.

Checks what the circles and the jumper drawings announce (name, role,
description), presses the pull-up jumper and a circle through their AT-SPI
actions, and checks that the jumper's new cap position is announced and
that the circle's popup opens. Prints one line per check; exits non-zero on
the first failure.
"""

import sys
import time

import dbus
import dbus.mainloop.glib
from gi.repository import GLib

ACCESSIBLE = 'org.a11y.atspi.Accessible'
ACTION = 'org.a11y.atspi.Action'
PROPERTIES = 'org.freedesktop.DBus.Properties'
STATE_CHECKED = 4

PULL_JUMPER = 'Pull-up jumper, +5V, PX and GND from left to right'
POWER_JUMPER = 'Power jumper, VUSB at the top, VEXT at the bottom'

dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
address = dbus.SessionBus().get_object('org.a11y.Bus', '/org/a11y/bus').GetAddress(
    dbus_interface='org.a11y.Bus')
bus = dbus.bus.BusConnection(str(address))


def proxy(ref):
    return bus.get_object(ref[0], ref[1])


def prop(ref, name):
    return str(proxy(ref).Get(ACCESSIBLE, name, dbus_interface=PROPERTIES))


def role(ref):
    return str(proxy(ref).GetRoleName(dbus_interface=ACCESSIBLE))


def children(ref):
    return [(str(c[0]), str(c[1])) for c in proxy(ref).GetChildren(dbus_interface=ACCESSIBLE)]


def find(ref, name):
    try:
        if prop(ref, 'Name') == name:
            return ref
        for child in children(ref):
            found = find(child, name)
            if found:
                return found
    except dbus.DBusException:
        pass
    return None


def application():
    root = ('org.a11y.atspi.Registry', '/org/a11y/atspi/accessible/root')
    for _ in range(100):
        for app in children(root):
            if find(app, PULL_JUMPER):
                return app
        time.sleep(0.1)
    fail('the program did not show up on the accessibility bus')


def fail(message):
    print('FAIL: ' + message)
    sys.exit(1)


def expect(what, got, want):
    if got != want:
        fail(f'{what}: {got!r}, expected {want!r}')
    print(f'ok {what}: {got!r}')


def press(ref):
    names = [str(proxy(ref).GetName(i, dbus_interface=ACTION))
             for i in range(int(proxy(ref).Get(ACTION, 'NActions', dbus_interface=PROPERTIES)))]
    if 'Press' not in names:
        fail(f'{prop(ref, "Name")} offers no Press action: {names}')
    proxy(ref).DoAction(names.index('Press'), dbus_interface=ACTION)


def run_loop(seconds, done=lambda: False):
    loop = GLib.MainLoop()
    deadline = time.monotonic() + seconds

    def tick():
        if done() or time.monotonic() > deadline:
            loop.quit()
            return False
        return True

    GLib.timeout_add(50, tick)
    loop.run()


app = application()

for name, kind in [('Pull-Up Configuration', 'setting'), ('External Power', 'setting'),
                   ('USB Connector', 'feature'), ('LED Light', 'feature')]:
    circle = find(app, name)
    if not circle:
        fail(f'no circle named {name!r}')
    expect(f'{name} announced as', (role(circle), prop(circle, 'Description')), ('push button', kind))

pull = find(app, PULL_JUMPER)
power = find(app, POWER_JUMPER)
if not power:
    fail(f'no jumper named {POWER_JUMPER!r}')
expect('pull-up jumper announced as', (role(pull), prop(pull, 'Description')),
       ('push button', 'cap on the left two pins'))
expect('power jumper announced as', (role(power), prop(power, 'Description')),
       ('push button', 'cap on the top two pins'))

# A screen reader learns of a change from the events it has registered for.
changes = []
bus.add_signal_receiver(
    lambda kind, *args, path=None: changes.append((str(kind), path)),
    signal_name='PropertyChange', dbus_interface='org.a11y.atspi.Event.Object', path_keyword='path')
bus.get_object('org.a11y.atspi.Registry', '/org/a11y/atspi/registry').RegisterEvent(
    'object:property-change', dbus.Array([], signature='s'), '', dbus_interface='org.a11y.atspi.Registry')
run_loop(1)

press(pull)
run_loop(5, lambda: ('accessible-description', pull[1]) in changes)
if ('accessible-description', pull[1]) not in changes:
    fail('the moved cap was not announced')
expect('pull-up jumper after a press', prop(pull, 'Description'), 'cap on the right two pins')
pulled_down = find(app, 'Pulled Down')
checked = bool(int(proxy(pulled_down).GetState(dbus_interface=ACCESSIBLE)[0]) & (1 << STATE_CHECKED))
expect('Pulled Down checked after the press', checked, True)

press(find(app, 'External Power'))
run_loop(5, lambda: find(app, 'External Power') is not None and any(
    role(c) == 'frame' and prop(c, 'Name') == 'External Power' for c in children(app)))
expect('window opened by pressing the External Power circle',
       [prop(c, 'Name') for c in children(app) if prop(c, 'Name') == 'External Power'],
       ['External Power'])
print('PASS')
